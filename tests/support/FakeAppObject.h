#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "com/Bstr.h"
#include "com/ComObject.h"
#include "com/OutParam.h"
#include "com/TextRules.h"
#include "faces/AppObject.h"
#include "ports/AppObjectServices.h"
#include "support/AppObjectStub.h"

namespace testing_support {

// What a fake input and a fake output share: a name and the two connection
// states a test sets. Every other member fails with E_NOTIMPL.
template <class Point>
class FakePoint : public qcom::ComObject<Stub<Point>> {
 public:
  explicit FakePoint(std::string name) : name(std::move(name)) {}

  std::string name;
  bool connected = false;
  bool macroConnected = false;

  HRESULT get_IsConnected(VARIANT_BOOL* v) override { return qcom::ReturnBool(connected, v); }
  HRESULT get_IsMacroConnected(VARIANT_BOOL* v) override {
    return qcom::ReturnBool(macroConnected, v);
  }
  HRESULT get_Name(BSTR* v) override { return qcom::ReturnText(name, v); }

 protected:
  ~FakePoint() override = default;
};

// A host output and a host input: the shared fake point.
class FakeOutput final : public FakePoint<IOutput> {
 public:
  using FakePoint::FakePoint;

 private:
  ~FakeOutput() override = default;
};

class FakeInput final : public FakePoint<IInput> {
 public:
  using FakePoint::FakePoint;

 private:
  ~FakeInput() override = default;
};

// The host's input or output collection over the fake points: Item by name
// (any case); a name it does not hold gives null.
template <class Collection, class Point, class Concrete>
class FakePointList final : public qcom::ComObject<Stub<Collection>> {
 public:
  std::vector<qcom::ComPtr<Concrete>> points;

  HRESULT get_Item(VARIANT key, Point** item) override {
    if (!item) return E_POINTER;
    *item = nullptr;
    if (key.vt != VT_BSTR) return E_INVALIDARG;
    const std::string name = qcom::BstrToUtf8(key.bstrVal);
    for (const auto& point : points)
      if (qcom::text::EqualsNoCase(point->name, name))
        return qcom::ReturnObject<Point>(point, item);
    return S_OK;
  }
  HRESULT get_Count(LONG* count) override {
    return qcom::ReturnValue(static_cast<LONG>(points.size()), count);
  }

 private:
  ~FakePointList() override = default;
};

using FakeOutputs = FakePointList<IOutputs, IOutput, FakeOutput>;
using FakeInputs = FakePointList<IInputs, IInput, FakeInput>;

// One request for a connection point, as the application object received it.
struct PointRequest {
  std::string kind;  // "input" or "output"
  std::string name;
  std::string snvt;
  IChannelLink* channel = nullptr;  // identity only, no reference held
  std::string channelName;          // what the channel called itself at the request

  bool operator==(const PointRequest&) const = default;
};

// An application object as channels, modules and the module set see it: it
// records the point requests and answers them with fake points, which its
// Inputs and Outputs collections then hold. What a test does not need answers
// E_NOTIMPL.
class FakeAppObject final : public AppObjectStub<IAppObjectServices> {
 public:
  FakeAppObject() : outputs(qcom::Make<FakeOutputs>()), inputs(qcom::Make<FakeInputs>()) {}

  std::vector<PointRequest> requests;
  qcom::ComPtr<FakeOutputs> outputs;
  qcom::ComPtr<FakeInputs> inputs;
  qcom::ComPtr<IEditorView> editor;
  bool shortFloat = true;
  // The name the created point gets for a requested name (default: the same).
  std::function<std::string(const std::string&)> rename;
  // Requested names for which no point is created.
  std::vector<std::string> refuse;

  qcom::ComPtr<FakeOutput> Output(const std::string& name) const {
    return Find<FakeOutput>(*outputs, name);
  }
  qcom::ComPtr<FakeInput> Input(const std::string& name) const {
    return Find<FakeInput>(*inputs, name);
  }

  // IAppObjectServices
  bool ShortFloatSetting() override { return shortFloat; }
  IEditorView* EditorView() override { return editor.get(); }
  qcom::ComPtr<IInput> AddChannelInput(const std::string& name, const std::string& snvt,
                                       IChannelLink* channel) override {
    if (!Record("input", name, snvt, channel)) return nullptr;
    auto point = qcom::Make<FakeInput>(rename ? rename(name) : name);
    inputs->points.push_back(point);
    return qcom::ComPtr<IInput>(point.get());
  }
  qcom::ComPtr<IOutput> AddChannelOutput(const std::string& name, const std::string& snvt,
                                         IChannelLink* channel) override {
    if (!Record("output", name, snvt, channel)) return nullptr;
    auto point = qcom::Make<FakeOutput>(rename ? rename(name) : name);
    outputs->points.push_back(point);
    return qcom::ComPtr<IOutput>(point.get());
  }
  CDBInputs* InputSet() override { return nullptr; }
  CDBOutputs* OutputSet() override { return nullptr; }
  IXMLDOMDocument* DefinitionDocument() override { return nullptr; }
  CDBEBTemplates* ModuleTemplates() override { return nullptr; }
  CDBEBModules* ModuleSet() override { return nullptr; }
  CDBAttributes* AttributeSet() override { return nullptr; }
  void UpdateAddableTemplates() override {}
  void AddMapTypModTag(const std::string&) override {}
  void RemoveLastMapTypModTag() override {}
  void NotifyCDBChanged() override {}

  // IAppObject
  HRESULT get_Inputs(IInputs** out) override { return qcom::ReturnObject<IInputs>(inputs, out); }
  HRESULT get_Outputs(IOutputs** out) override {
    return qcom::ReturnObject<IOutputs>(outputs, out);
  }

 private:
  ~FakeAppObject() override = default;

  bool Record(const char* kind, const std::string& name, const std::string& snvt,
              IChannelLink* channel) {
    requests.push_back({kind, name, snvt, channel, channel ? channel->LinkName() : ""});
    for (const auto& refused : refuse)
      if (refused == name) return false;
    return true;
  }

  template <class Concrete, class List>
  static qcom::ComPtr<Concrete> Find(const List& list, const std::string& name) {
    for (const auto& point : list.points)
      if (point->name == name) return point;
    return nullptr;
  }
};

}  // namespace testing_support
