#include "host/session/Answers.h"

#include "host/session/PlacedObject.h"

namespace host {

ParameterRow RowOf(IEngineeringParameter* p) {
  using P = IEngineeringParameter;
  return {TextOf(p, &P::get_Path),    TextOf(p, &P::get_Value),  TextOf(p, &P::get_Unit),
          TextOf(p, &P::get_Default), TextOf(p, &P::get_SnvtId), FlagOf(p, &P::get_Changed)};
}

std::vector<ParameterRow> ParameterRows(const PlacedObject& object) {
  std::vector<ParameterRow> rows;
  for (const auto& parameter :
       ListOf<IEngineeringParameter>(object.engineering(), &IEngineering::get_Parameters))
    rows.push_back(RowOf(parameter.get()));
  return rows;
}

bool FindParameterRow(const PlacedObject& object, const std::string& path, ParameterRow& row,
                      std::string& problem) {
  IEngineering* engineering = object.engineering();
  if (!engineering) return problem = kNoEngineering, false;
  qcom::Bstr text(path);
  qcom::ComPtr<IEngineeringParameter> parameter;
  engineering->get_Parameter(text.get(), parameter.put());
  if (parameter) return row = RowOf(parameter.get()), true;
  qcom::Bstr why;
  engineering->get_PathProblem(text.get(), why.out());
  problem = why.utf8();
  return false;
}

}  // namespace host
