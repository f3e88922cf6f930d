#include "mail/smtp_relay.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

namespace mail {
namespace {

constexpr long kFirstPermanentCode = 500;
constexpr long kPastPermanentCodes = 600;

// Process-wide set-up, once, before the first handle.
void initialiseCurl() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Upload {
  const std::string& text;
  std::size_t offset = 0;
};

std::size_t readMessage(char* buffer, std::size_t size, std::size_t count, void* data) {
  auto* upload = static_cast<Upload*>(data);
  const std::size_t n = std::min(size * count, upload->text.size() - upload->offset);
  std::memcpy(buffer, upload->text.data() + upload->offset, n);
  upload->offset += n;
  return n;
}

// Called about once a second, also while connecting: a non-zero answer aborts.
int checkCancel(void* cancel, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<const std::atomic<bool>*>(cancel)->load() ? 1 : 0;
}

void setCancel(CURL* curl, const std::atomic<bool>* cancel) {
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, checkCancel);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, cancel);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

void setOptions(CURL* curl, const RelaySettings& relay, curl_slist* recipients, Upload* upload) {
  curl_easy_setopt(curl, CURLOPT_URL, relay.url.c_str());
  curl_easy_setopt(curl, CURLOPT_MAIL_FROM, ("<" + relay.from + ">").c_str());
  curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
  curl_easy_setopt(curl, CURLOPT_USE_SSL, relay.user.empty() ? CURLUSESSL_TRY : CURLUSESSL_ALL);
  if (!relay.user.empty()) {
    curl_easy_setopt(curl, CURLOPT_USERNAME, relay.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, relay.password.c_str());
  }
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, readMessage);
  curl_easy_setopt(curl, CURLOPT_READDATA, upload);
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, relay.timeoutSeconds);
  // Threads of their own: no signals for timeouts.
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
}

}  // namespace

SendOutcome sendMail(const RelaySettings& relay, const std::string& to, const std::string& message,
                     const std::atomic<bool>* cancel) {
  initialiseCurl();
  std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
  std::unique_ptr<curl_slist, void (*)(curl_slist*)> recipients(
      curl_slist_append(nullptr, ("<" + to + ">").c_str()), curl_slist_free_all);
  if (!curl || !recipients) return {false, false, "out of memory"};
  Upload upload{message};
  char detail[CURL_ERROR_SIZE] = "";
  curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, detail);
  setOptions(curl.get(), relay, recipients.get(), &upload);
  setCancel(curl.get(), cancel);
  const CURLcode result = curl_easy_perform(curl.get());
  if (result == CURLE_OK) return {true, false, ""};
  long code = 0;
  curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &code);
  const bool permanent = code >= kFirstPermanentCode && code < kPastPermanentCodes;
  std::string error = *detail ? detail : curl_easy_strerror(result);
  if (code > 0) error += " (the relay answered " + std::to_string(code) + ")";
  return {false, permanent, error};
}

}  // namespace mail
