#include "crosscheck/category_rules.h"

#include <algorithm>

#include "crosscheck/definition_values.h"
#include "import/text_case.h"

namespace crosscheck {
namespace {

constexpr std::string_view kTagPrefix = "CATEGORY-";

bool isCabrilloTag(const std::string& tag) {
  const std::vector<imports::CategoryField>& fields = imports::cabrilloCategories();
  return std::any_of(fields.begin(), fields.end(),
                     [&](const imports::CategoryField& field) { return field.tag == tag; });
}

const imports::CategoryField* findField(const std::vector<imports::CategoryField>& fields,
                                        const std::string& tag) {
  for (const imports::CategoryField& field : fields) {
    if (field.tag == tag) return &field;
  }
  return nullptr;
}

}  // namespace

std::optional<std::vector<imports::CategoryField>> parseCategoryLists(std::string_view text) {
  auto pairs = parsePairList(text);
  if (!pairs) return std::nullopt;
  std::vector<imports::CategoryField> lists;
  for (const auto& [name, values] : *pairs) {
    imports::CategoryField field{std::string(kTagPrefix) + imports::toUpper(name),
                                 imports::categoryWords(values)};
    if (!isCabrilloTag(field.tag) || findField(lists, field.tag)) return std::nullopt;
    lists.push_back(std::move(field));
  }
  return lists;
}

std::vector<imports::CategoryField> allowedCategories(
    const std::vector<imports::CategoryField>& own) {
  std::vector<imports::CategoryField> allowed = imports::cabrilloCategories();
  for (imports::CategoryField& field : allowed) {
    if (const imports::CategoryField* given = findField(own, field.tag)) field = *given;
  }
  return allowed;
}

}  // namespace crosscheck
