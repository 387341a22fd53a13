#include "platform/logging_prompt.h"

namespace rovex {
namespace {

const char* AnswerName(MsgResult r) {
  switch (r) {
    case MsgResult::Ok: return "OK";
    case MsgResult::Cancel: return "Cancel";
    case MsgResult::Yes: return "Yes";
    case MsgResult::No: return "No";
    case MsgResult::Retry: return "Retry";
  }
  return "?";
}

}  // namespace

MsgResult LoggingPrompt::MessageBox(const std::string& text, MsgIcon, MsgButtons buttons, const std::string& caption) {
  MsgResult answer = buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgResult::Yes
                     : buttons == MsgButtons::RetryCancel                              ? MsgResult::Retry
                                                                                       : MsgResult::Ok;
  std::fprintf(m_out, "[%s] %s\n  -> answered %s\n", caption.c_str(), text.c_str(), AnswerName(answer));
  std::fflush(m_out);
  return answer;
}

std::optional<std::string> LoggingPrompt::OpenFile(const std::string& title, const std::string&, const std::string&) {
  std::fprintf(m_out, "[file dialog] %s\n  -> cancelled\n", title.c_str());
  return std::nullopt;
}

std::optional<std::string> LoggingPrompt::SaveFile(const std::string& title, const std::string&, const std::string&,
                                                   const std::string&) {
  std::fprintf(m_out, "[file dialog] %s\n  -> cancelled\n", title.c_str());
  return std::nullopt;
}

std::optional<std::string> LoggingPrompt::ChooseFolder(const std::string& title, const std::string&) {
  std::fprintf(m_out, "[folder dialog] %s\n  -> cancelled\n", title.c_str());
  return std::nullopt;
}

bool LoggingPrompt::ConfirmDialog(const std::string& title, const std::vector<std::string>& paragraphs) {
  std::fprintf(m_out, "[%s]\n", title.c_str());
  for (const std::string& p : paragraphs) std::fprintf(m_out, "  %s\n", p.c_str());
  std::fprintf(m_out, "  -> answered OK\n");
  std::fflush(m_out);
  return true;
}

}  // namespace rovex
