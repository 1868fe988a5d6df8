#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "com/ComPtr.h"
#include "faces/AppObject.h"
#include "modules/ChannelKindInfo.h"
#include "modules/ChannelRecipe.h"
#include "ports/AppObjectServices.h"
#include "ports/ChannelLink.h"
#include "ports/EditorView.h"
#include "values/CDBAttributes.h"
#include "xml/Dom.h"
#include "xml/Elements.h"

// The state and behaviour of one I/O channel, shared by the four channel
// classes, which only add their own COM interface around it.
class ChannelCore {
 public:
  explicit ChannelCore(const ChannelKindInfo& kind);
  ~ChannelCore();
  ChannelCore(const ChannelCore&) = delete;
  ChannelCore& operator=(const ChannelCore&) = delete;

  const ChannelKindInfo& Kind() const { return kind_; }

  // Fills a new channel from its definition element: its parameters, its
  // name and numbers, and one connection point of the application object per
  // reference. `self` is the channel the points report back to. False at the
  // first unexpected failure (no definition, a reference without type, a
  // point the application object could not create); the points created so
  // far stay with the application object.
  bool Create(IXMLDOMNode* definition, IAppObjectServices& services, bool manageShortFloat,
              int32_t channelIndex, int32_t positionInModule, IAppObject* owner,
              IChannelLink* self);

  // Adds the parameters of every "Attributes" child of the channel element
  // and checks the last section against what was added.
  void LoadAttributes(IXMLDOMNode* channelNode, bool manageShortFloat);

  // One more (true) or one less (false) host connection on the channel's points.
  void SetConnected(bool connected);
  // Connected by the bookkeeping, or one of its points is connected or
  // macro-connected in the application object's host collections.
  bool IsConnected() const;

  // Appends the channel's element with its parameter values to parent; the
  // simulation form puts an "Alias" element first.
  void Save(IXMLDOMNode* parent, IXMLDOMDocument* document, bool simulation) const;
  // Reads parameter values from the children of a saved channel element.
  void Load(IXMLDOMNode* parent);

  ports::ChannelRowData RowData() const;

  // Null until the first parameter is loaded.
  CDBAttributes* Attributes() const { return attributes_.get(); }
  // Names of the points created for the channel, unique without regard to case.
  const std::vector<std::string>& References() const { return references_; }
  void SetAppObject(IAppObject* appObject) { appObject_ = qcom::WeakRef<IAppObject>(appObject); }

  int32_t index = 0;
  int32_t indexInModule = 0;
  std::string name;
  std::string globalKey;
  bool isCounter = false;

 private:
  void LoadParameters(const modules::ChannelRecipe& recipe, bool manageShortFloat);
  bool AddReference(const std::string& pointName);
  // Creates the point for one reference element; false when that fails.
  bool CreatePoint(const qxml::Field& reference, IAppObjectServices& services, IChannelLink* self);

  const ChannelKindInfo& kind_;
  bool connected_ = false;
  int32_t connectionCount_ = 0;
  qcom::ComPtr<CDBAttributes> attributes_;
  std::vector<std::string> references_;
  qcom::WeakRef<IAppObject> appObject_;
};
