#pragma once
// The one place where text changes encoding. Narrow "local" text inside the
// terminal is in kLocalCharset; the network speaks UTF-8; wide text is UTF-32.
// Every conversion skips invalid byte sequences instead of failing, so a body
// with one broken sequence still arrives, with that sequence left out.

#include <string>

namespace tools {

inline constexpr const char* kLocalCharset = "UTF-8";

// Network and HTTP bodies on receipt.
std::string Utf8ToLocal(const std::string& utf8);
// Texts before they are sent or Base64-encoded.
std::string LocalToUtf8(const std::string& local);

// Always true; the target receives the wide form.
bool ToWideText(const std::string& local, std::wstring& wide);
// The target receives the local form.
bool ToLocalText(const std::wstring& wide, std::string& local);
// Zero-terminated form: false when there is no text to convert.
bool ToLocalText(const wchar_t* wide, std::string& local);

}  // namespace tools
