#pragma once

// Parameters of the five kinds of a small catalogue, edited through their
// dialogs with a unit service whose display form is the stored text; the
// window each dialog opens is the test's to choose.
#include <functional>

#include "support/TempDir.h"
#include "ui/EditorInstall.h"
#include "ui/frmCPModif1.h"
#include "ui/frmCPModif2.h"
#include "ui/frmCPModif3.h"
#include "ui/frmCPModif5.h"
#include "values/CatalogueFixture.h"

using Text = std::string;
// A unit service whose display form is the stored text, with the limits 0 and max.
struct FakeConverter final : qcom::ComObject<IUnitConverter> {
  static Text In(BSTR* text) { return qcom::BstrToUtf8(*text); }
  HRESULT ToDisplay(BSTR*, BSTR* s, BSTR* d) override { return qcom::ReturnText(In(s), d); }
  HRESULT ToStored(BSTR*, BSTR* d, BSTR* s) override { return qcom::ReturnText(In(d), s); }
  HRESULT get_UnitSystem(LONG*) override { return E_NOTIMPL; }
  HRESULT put_UnitSystem(LONG) override { return E_NOTIMPL; }
  HRESULT UnitName(BSTR*, BSTR* u) override { return qcom::ReturnText(" degC ", u); }
  HRESULT TextToNumber(BSTR* t, double* n) override { return *n = std::atof(In(t).c_str()), 0; }
  HRESULT DecimalCount(BSTR*, SHORT* d) override { return *d = decimals, S_OK; }
  HRESULT DisplayMin(BSTR*, BSTR* m) override { return qcom::ReturnText("0", m); }
  HRESULT DisplayMax(BSTR*, BSTR* m) override { return qcom::ReturnText(max, m); }
  HRESULT Resolution(BSTR*, BSTR*) override { return E_NOTIMPL; }
  HRESULT InvalidValueText(BSTR*, BSTR*) override { return E_NOTIMPL; }
  HRESULT put_Catalogue(IXMLDOMDocument* c) override { return catalogue = c, S_OK; }
  Text max;
  SHORT decimals = 2;
  IXMLDOMDocument* catalogue = nullptr;
};

class EditDialogs : public CatalogueFixture {
 protected:
  struct View : ui::DialogView {  // a window without a display: the script is the user
    explicit View(EditDialogs& f) : t(f) {}
    void ShowModal() override { t.log += "show ", t.user(); }
    void Close() override { t.log += "close "; }
    void ControlsChanged() override {}
    EditDialogs& t;
  };
  void SetUp() override {
    UseCatalogue(
        "<SNVT_1><TYPE>Float</TYPE><LENGTH>2</LENGTH></SNVT_1><SNVT_2><TYPE>Textual</TYPE>"
        "<LENGTH>4</LENGTH></SNVT_2><SNVT_3><TYPE>Enum</TYPE><Enums><Off>0</Off><On>1</On>"
        "<Auto>2</Auto></Enums></SNVT_3><SNVT_4><TYPE>Bitfield</TYPE><LENGTH>1</LENGTH>"
        "</SNVT_4><SNVT_5><TYPE>Bitfield</TYPE><LENGTH>2</LENGTH></SNVT_5>");
    ui::InstallEditDialogFactory();
    ui::SetDialogViewFactory([this](auto& d) { return shown = &d, std::make_unique<View>(*this); });
    previous = ui::SetUnitConverterFactory([this] { return qcom::ComPtr<IUnitConverter>(fake); });
  }
  void TearDown() override {
    ports::SetEditDialogFactory({}), ui::SetDialogViewFactory({});
    ui::SetUnitConverterFactory(previous), CatalogueFixture::TearDown();
  }
  qcom::ComPtr<CDBAttribute> Parameter(const Text& snvt, const Text& value) {
    auto p = qcom::Make<CDBAttribute>();
    Text xml = "<P" + snvt + "><SNVTTYPE>" + snvt + "</SNVTTYPE><DEFAULTVALUE>" + value;
    p->SetName("P" + snvt), p->LoadFromXML(Element(xml + "</DEFAULTVALUE></P" + snvt + ">").get());
    return p->CreateEditDialog(), p;
  }
  template <class Dialog>
  void Edit(CDBAttribute* p, std::function<void(Dialog&)> script) {
    user = [&] { script(static_cast<Dialog&>(*shown)); }, p->Edit();
  }
  qcom::ComPtr<FakeConverter> fake = qcom::Make<FakeConverter>();
  ui::UnitConverterFactory previous;
  std::function<void()> user;
  Text log;
  ui::ParameterDialog* shown = nullptr;
};
