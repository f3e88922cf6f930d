#include "platform/posix/terminal_form.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/text.h"

namespace platform {
namespace {

constexpr char kEndOfText[] = ".";
constexpr char kHelp[] = "Enter keeps the value in brackets; a single \".\" empties it.\n";
constexpr char kConfirm[] = "OK? [Y/n] ";

// One answer line without its line end; false at the end of the input.
bool readLine(std::FILE* in, std::string* line) {
  line->clear();
  int c;
  while ((c = std::fgetc(in)) != EOF && c != '\n') line->push_back(static_cast<char>(c));
  if (c == EOF && line->empty()) return false;
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
}

void prompt(std::FILE* out, const std::string& text) {
  std::fputs(text.c_str(), out);
  std::fflush(out);
}

// Answer to a one-line field showing `shown`: kept, emptied or replaced.
std::string oneLineAnswer(const std::string& answer, const std::string& shown) {
  if (answer.empty()) return shown;
  return answer == kEndOfText ? std::string() : answer;
}

// The list entry numbered `answer` (from 1), or nullptr.
const CString* pickedChoice(const std::string& answer, const FormField& field) {
  if (answer.empty() || answer.find_first_not_of("0123456789") != std::string::npos) {
    return nullptr;
  }
  unsigned long number = std::strtoul(answer.c_str(), nullptr, 10);
  return number >= 1 && number <= field.choices.size() ? &field.choices[number - 1] : nullptr;
}

bool askEdit(const FormField& field, std::FILE* in, std::FILE* out, std::string* value) {
  std::string answer;
  prompt(out, std::string(field.label) + " [" + *value + "]: ");
  if (!readLine(in, &answer)) return false;
  *value = oneLineAnswer(answer, *value);
  return true;
}

bool askCombo(const FormField& field, std::FILE* in, std::FILE* out, std::string* value) {
  std::string list = std::string(field.label) + ":\n";
  for (std::size_t i = 0; i < field.choices.size(); ++i) {
    list += "  " + std::to_string(i + 1) + " " + field.choices[i].str() + "\n";
  }
  prompt(out, list + field.label + " [" + *value + "]: ");
  std::string answer;
  if (!readLine(in, &answer)) return false;
  const CString* picked = pickedChoice(answer, field);
  *value = picked ? picked->str() : oneLineAnswer(answer, *value);
  return true;
}

bool askMultiLine(const FormField& field, std::FILE* in, std::FILE* out, std::string* value) {
  std::string shown;
  for (std::size_t start = 0; start < value->size();) {
    std::size_t end = std::min(value->find("\r\n", start), value->size());
    shown += "  | " + value->substr(start, end - start) + "\n";
    start = end + 2;
  }
  prompt(out, std::string(field.label) + ", lines ended by \".\" alone (Enter keeps):\n" + shown);
  std::string text;
  std::string line;
  for (bool first = true;; first = false) {
    prompt(out, "> ");
    if (!readLine(in, &line)) return false;
    if (first && line.empty()) return true;
    if (line == kEndOfText) break;
    text += (first ? "" : "\r\n") + line;
  }
  *value = text;
  return true;
}

bool askField(const FormField& field, std::FILE* in, std::FILE* out, std::string* value) {
  switch (field.kind) {
    case ControlKind::kEdit:
      return askEdit(field, in, out, value);
    case ControlKind::kComboBox:
      return askCombo(field, in, out, value);
    case ControlKind::kMultiLineEdit:
      return askMultiLine(field, in, out, value);
  }
  return false;
}

// True for yes (or Enter); false for no or the end of the input.
bool confirmed(std::FILE* in, std::FILE* out) {
  for (std::string answer;;) {
    prompt(out, kConfirm);
    if (!readLine(in, &answer)) return false;
    if (answer.empty() || equalNoCase(answer.c_str(), "y") || equalNoCase(answer.c_str(), "yes")) {
      return true;
    }
    if (equalNoCase(answer.c_str(), "n") || equalNoCase(answer.c_str(), "no")) return false;
  }
}

}  // namespace

DialogResult runTerminalForm(DialogForm& form, std::FILE* in, std::FILE* out) {
  prompt(out, std::string(form.caption) + "\n" + kHelp);
  std::vector<std::string> values;
  for (const FormField& field : form.fields) {
    std::string value = field.kind == ControlKind::kComboBox ? comboOpeningText(field).str()
                        : field.value                        ? field.value->str()
                                                             : std::string();
    if (!askField(field, in, out, &value)) return kDialogCancel;
    values.push_back(std::move(value));
  }
  if (!confirmed(in, out)) return kDialogCancel;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (form.fields[i].value) *form.fields[i].value = CString(values[i]);
  }
  return kDialogOk;
}

}  // namespace platform
