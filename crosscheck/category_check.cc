#include "crosscheck/category_check.h"

#include "import/text_case.h"

namespace crosscheck {
namespace {

std::string joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : ", ") + word;
  return text;
}

std::vector<std::string> tagsOf(const std::vector<imports::CategoryField>& fields) {
  std::vector<std::string> tags;
  for (const imports::CategoryField& field : fields) tags.push_back(field.tag);
  return tags;
}

// The value as `field` spells it; empty when the field does not take it.
std::string spelledAsListed(const imports::CategoryField& field, const std::string& value) {
  const std::string upper = imports::toUpper(value);
  for (const std::string& listed : field.values) {
    if (imports::toUpper(listed) == upper) return listed;
  }
  return std::string();
}

// Why `category` is refused; empty when it is kept, its value as listed.
std::string refusal(const std::vector<imports::CategoryField>& allowed,
                    imports::HeaderValue* category) {
  const std::string quoted = "\"" + category->value + "\" ";
  for (const imports::CategoryField& field : allowed) {
    if (field.tag != category->tag) continue;
    std::string listed = spelledAsListed(field, category->value);
    if (listed.empty()) return quoted + "is not one of " + joined(field.values);
    category->value = std::move(listed);
    return std::string();
  }
  return quoted + "is in no category field this contest ranks by (" + joined(tagsOf(allowed)) + ")";
}

}  // namespace

void checkCategories(const std::vector<imports::CategoryField>& allowed, imports::ImportedLog* log,
                     imports::LogProblems* problems) {
  std::vector<imports::HeaderValue> kept;
  for (imports::HeaderValue& category : log->categories) {
    if (category.value.empty()) continue;
    const std::string reason = refusal(allowed, &category);
    if (reason.empty()) {
      kept.push_back(std::move(category));
    } else {
      problems->push_back({log->fileName, category.line, category.tag, reason});
    }
  }
  log->categories = std::move(kept);
}

}  // namespace crosscheck
