#include "values/SnvtCatalogue.h"

#include <optional>

#include "com/Bstr.h"
#include "com/TextRules.h"
#include "values/DecimalSeparators.h"
#include "values/MMain.h"
#include "values/NumberRules.h"
#include "xml/Elements.h"

namespace values {
namespace {

// A catalogue number: the longest numeric prefix, rounded half to even;
// nullopt when the element has no text or the number overflows 32 bits.
std::optional<int32_t> CatalogueNumber(std::optional<std::string> text) {
  if (!text) return std::nullopt;
  return RoundToInt32(PlainParse(*text));
}

class SnvtReader {
 public:
  SnvtReader(IXMLDOMDocument* catalogue, const std::string& id) : catalogue_(catalogue), id_(id) {
    reading_.Set(&SnvtFields::id, id);
  }

  SnvtReading Read() {
    auto typeNode = qxml::FirstMatch(catalogue_, "SNVTS/SNVT_" + id_);
    if (!typeNode || !ReadTypeLevel(typeNode.get())) {
      if (!id_.empty()) reading_.Report("Error: SNVT_" + id_ + " is not defined");
    }
    return std::move(reading_);
  }

 private:
  // Attributes, NAME and TYPE; false at the first failure, which ends the read.
  bool ReadTypeLevel(IXMLDOMNode* typeNode) {
    for (const auto& attribute : qxml::AttributeFields(typeNode)) {
      std::string name = qcom::text::Upper(attribute.name);
      if (name != "FACTOR" && name != "R5REGION") continue;
      auto number = CatalogueNumber(attribute.text);
      if (!number) return false;
      reading_.Set(name == "FACTOR" ? &SnvtFields::factor : &SnvtFields::r5Region, *number);
    }

    for (const auto& child : qxml::Children(typeNode)) {
      std::string name = qxml::UpperBaseName(child.get());
      if (name == "NAME") {
        auto text = qxml::Text(child.get());
        if (!text) return false;
        reading_.Set(&SnvtFields::name, *text);
      } else if (name == "TYPE") {
        auto text = qxml::Text(child.get());
        if (!text) return false;
        reading_.Set(&SnvtFields::genType, *text);
        ReadKind(*text, typeNode);
      }
    }
    return true;
  }

  void ReadKind(const std::string& kind, IXMLDOMNode* typeNode) {
    if (kind == "Enum") {
      reading_.Set(&SnvtFields::luiType, "Logic");
      reading_.Set(&SnvtFields::length, 1);
      ReadEnumeration();
    } else if (kind == "Struct") {
      reading_.Set(&SnvtFields::luiType, "Invalid");
    } else if (kind == "Float") {
      reading_.Set(&SnvtFields::luiType, "Float");
      ReadNumericDetails(typeNode);
    } else if (kind == "Textual") {
      reading_.Set(&SnvtFields::luiType, "Textual");
      ReadTextualDetails(typeNode);
    } else if (kind == "SignedNumeric" || kind == "UnsignedNumeric" || kind == "Bitfield") {
      reading_.Set(&SnvtFields::luiType, "Numeric");
      ReadNumericDetails(typeNode);
    } else {
      reading_.Report("Error: SNVT_" + id_ + " has a bad type");
    }
  }

  void ReadEnumeration() {
    auto enums = qxml::FirstMatch(catalogue_, "SNVTS/SNVT_" + id_ + "/Enums");
    std::string table;
    for (const auto& member : qxml::Children(enums.get())) {
      auto text = qxml::Text(member.get());
      if (!text) continue;  // a member without a value is skipped
      table += *text + "," + qxml::BaseName(member.get()) + ";";
    }
    reading_.Set(&SnvtFields::enumDesc, qcom::text::Trim(table));
  }

  void ReadNumericDetails(IXMLDOMNode* typeNode) {
    for (const auto& child : qxml::Children(typeNode)) {
      std::string name = qxml::UpperBaseName(child.get());
      auto text = qxml::Text(child.get());
      if (!text) continue;  // a child without text is skipped
      if (name == "UNIT") {
        reading_.Set(&SnvtFields::units, *text);
      } else if (name == "MIN") {
        reading_.Set(&SnvtFields::min, LocaliseNumberText(*text));
      } else if (name == "MAX") {
        reading_.Set(&SnvtFields::max, LocaliseNumberText(*text));
      } else if (name == "INVALIDVALUE") {
        reading_.Set(&SnvtFields::invalidValue, LocaliseNumberText(*text));
      } else if (name == "LENGTH" || name == "A_COEF" || name == "B_COEF" || name == "C_COEF") {
        auto number = CatalogueNumber(text);
        if (!number) continue;
        if (name == "LENGTH")
          reading_.Set(&SnvtFields::length, *number);
        else if (name == "A_COEF")
          reading_.Set(&SnvtFields::aCoef, *number);
        else if (name == "B_COEF")
          reading_.Set(&SnvtFields::bCoef, *number);
        else
          reading_.Set(&SnvtFields::cCoef, *number);
      }
    }
    // The length may also be one the type object had before this entry.
    reading_.ReportWithoutLength("Error: SNVT_" + id_ + " has a bad Length");
  }

  void ReadTextualDetails(IXMLDOMNode* typeNode) {
    for (const auto& child : qxml::Children(typeNode)) {
      if (qxml::UpperBaseName(child.get()) != "LENGTH") continue;
      if (auto number = CatalogueNumber(qxml::Text(child.get())))
        reading_.Set(&SnvtFields::length, *number);
    }
  }

  IXMLDOMDocument* catalogue_;
  const std::string id_;
  SnvtReading reading_;
};

}  // namespace

SnvtReading ReadSnvtEntry(IXMLDOMDocument* catalogue, const std::string& id) {
  return SnvtReader(catalogue, id).Read();
}

namespace {

// The readings of the current catalogue, emptied when the catalogue or the
// decimal separator has changed since they were made.
SnvtReadingCache& CurrentReadings() {
  MMain& shared = Shared();
  SnvtReadingCache& cache = shared.snvtReadings;
  // A catalogue of another implementation has no stamp: it is read every time.
  const uint64_t stamp = qxml::ContentStamp(shared.snvtDocument.get());
  if (stamp == 0 || cache.catalogueStamp != stamp ||
      cache.separator != shared.localeDecimalSeparator) {
    cache.byId.clear();
    cache.recordsById.clear();
    cache.entryCounts.reset();
    cache.catalogueStamp = stamp;
    cache.separator = shared.localeDecimalSeparator;
    ++cache.generation;
  }
  return cache;
}

}  // namespace

const SnvtReading& CatalogueReading(const std::string& id) {
  SnvtReadingCache& cache = CurrentReadings();
  auto found = cache.byId.find(id);
  if (found == cache.byId.end())
    found = cache.byId.emplace(id, ReadSnvtEntry(Shared().snvtDocument.get(), id)).first;
  return found->second;
}

std::shared_ptr<const SnvtRecord> CatalogueRecord(const std::string& id) {
  const SnvtReading& reading = CatalogueReading(id);
  auto& records = Shared().snvtReadings.recordsById;
  if (auto found = records.find(id); found != records.end()) return found->second;
  SnvtFields fields;
  auto record = std::make_shared<SnvtRecord>();
  record->problems = reading.ApplyTo(fields);
  record->fields = std::make_shared<const SnvtFields>(std::move(fields));
  // A catalogue that cannot be kept is read anew each time.
  if (Shared().snvtReadings.catalogueStamp != 0) records.emplace(id, record);
  return record;
}

int32_t CatalogueEntries(const std::string& id) {
  SnvtReadingCache& cache = CurrentReadings();
  if (!cache.entryCounts || cache.catalogueStamp == 0) {
    // Every element the loader's path "SNVTS/SNVT_<id>" can reach.
    cache.entryCounts = std::make_shared<std::unordered_map<std::string, int32_t>>();
    qcom::ComPtr<IXMLDOMNodeList> entries;
    LONG count = 0;
    IXMLDOMDocument* catalogue = Shared().snvtDocument.get();
    if (catalogue &&
        SUCCEEDED(catalogue->getElementsByTagName(qcom::Bstr("SNVTS/*").get(), entries.put())) &&
        entries)
      entries->get_length(&count);
    for (LONG i = 0; i < count; ++i) {
      qcom::ComPtr<IXMLDOMNode> entry;
      entries->get_item(i, entry.put());
      const std::string name = qxml::NameOf(entry.get());
      if (name.rfind("SNVT_", 0) == 0) ++(*cache.entryCounts)[name.substr(5)];
    }
  }
  auto found = cache.entryCounts->find(id);
  return found == cache.entryCounts->end() ? 0 : found->second;
}

uint64_t CatalogueGeneration() {
  SnvtReadingCache& cache = CurrentReadings();
  return cache.catalogueStamp == 0 ? 0 : cache.generation;
}

}  // namespace values
