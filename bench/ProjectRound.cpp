#include "ProjectRound.h"

#include <vector>

#include "com/Variant.h"
#include "faces/AppObject.h"
#include "plugin/CDBAppObject.h"

namespace bench {

namespace {

using NodePtr = qcom::ComPtr<IXMLDOMNode>;

qcom::ComPtr<IXMLDOMDocument> Parse(BSTR xml) {
  auto document = qxml::CreateDocument();
  VARIANT_BOOL ok = VARIANT_FALSE;
  document->loadXML(xml, &ok);
  return ok == VARIANT_TRUE ? document : nullptr;
}

std::vector<NodePtr> ElementChildren(IXMLDOMNode* parent) {
  std::vector<NodePtr> elements;
  qcom::ComPtr<IXMLDOMNodeList> list;
  if (FAILED(parent->get_childNodes(list.put())) || !list) return elements;
  LONG length = 0;
  list->get_length(&length);
  elements.reserve(static_cast<size_t>(length));
  for (LONG i = 0; i < length; ++i) {
    NodePtr child;
    DOMNodeType type = NODE_INVALID;
    if (SUCCEEDED(list->get_item(i, child.put())) && child &&
        SUCCEEDED(child->get_nodeType(&type)) && type == NODE_ELEMENT)
      elements.push_back(std::move(child));
  }
  return elements;
}

}  // namespace

qcom::ComPtr<IAppObject> PlaceObject(IXMLDOMDocument* catalogue, BSTR type) {
  qcom::ComPtr<IAppObject> object(qcom::Make<CDBAppObject>().get());
  object->XmlSNVTDoc(catalogue);
  VARIANT code;
  VariantInit(&code);
  VARIANT_BOOL ok = VARIANT_FALSE;
  if (FAILED(object->Init(type, &code, &ok)) || ok != VARIANT_TRUE) return nullptr;
  object->Create();
  return object;
}

RoundResult RunRound(BSTR projectXml, IXMLDOMDocument* catalogue) {
  RoundResult result;
  auto project = Parse(projectXml);
  qcom::ComPtr<IXMLDOMElement> root;
  if (!project || FAILED(project->get_documentElement(root.put())) || !root) {
    result.error = "the project does not parse";
    return result;
  }
  const std::vector<NodePtr> elements = ElementChildren(root.get());
  std::vector<qcom::ComPtr<IAppObject>> objects;
  objects.reserve(elements.size());
  qcom::Bstr type("TQ4600");
  for (const NodePtr& element : elements) {
    auto object = PlaceObject(catalogue, type.get());
    if (!object) {
      result.error = "an object could not be initialised";
      break;
    }
    object->XmlLoad(element.get());
    objects.push_back(std::move(object));
  }

  for (const auto& object : objects) {
    qcom::Bstr stream;
    object->get_Stream(stream.out());
    result.streamChars += stream.length();
  }

  auto saved = qxml::CreateDocument();
  qcom::ComPtr<IXMLDOMElement> savedRoot;
  qcom::Bstr rootName("Project");
  NodePtr savedParent;
  saved->createElement(rootName.get(), savedRoot.put());
  saved->appendChild(savedRoot.get(), savedParent.put());
  for (const auto& object : objects) object->XmlSave(savedParent.get(), saved.get());
  saved->get_xml(result.savedXml.out());

  for (const auto& object : objects) object->Destroy();
  result.objects = objects.size();
  return result;
}

qcom::Bstr ReloadedXml(BSTR projectXml) {
  qcom::Bstr xml;
  if (auto project = Parse(projectXml)) project->get_xml(xml.out());
  return xml;
}

}  // namespace bench
