#include "shell/version/version_check.h"

#include <curl/curl.h>

#include <mutex>
#include <string>

#include "shell/core/device_profile.h"

#ifndef KELVRA_WEB_SERVER
#define KELVRA_WEB_SERVER "http://www.kelvra.com"
#endif

namespace {

QString& Base_Override() {
  static QString base;
  return base;
}

// The answer is one short line; anything longer is not a version answer.
constexpr size_t kMaxAnswerBytes = 4096;
constexpr long kTimeoutSeconds = 10;

size_t Collect(char* data, size_t size, size_t count, void* user) {
  auto* answer = static_cast<std::string*>(user);
  const size_t bytes = size * count;
  if (answer->size() + bytes > kMaxAnswerBytes) return 0;  // aborts the transfer
  answer->append(data, bytes);
  return bytes;
}

void Init_Curl_Once() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

QString Web_Server_Base() { return Base_Override().isEmpty() ? QStringLiteral(KELVRA_WEB_SERVER) : Base_Override(); }

void Override_Web_Server_Base(const QString& base) { Base_Override() = base; }

QString Version_Query_Url(int device_type) {
  return Web_Server_Base() + QStringLiteral("/home/download/GetversionSW.asp?nomesw=") +
         QString::fromLatin1(Device_Model_Table(device_type).sw_code);
}

QString Download_Page_Url(int device_type) {
  return Web_Server_Base() + QStringLiteral("/Home/download/download.asp#") +
         QString::fromLatin1(Device_Model_Table(device_type).hw_code);
}

QString Product_Page_Url(int device_type) {
  return Web_Server_Base() + QStringLiteral("/HOME/default.asp?frompg=") +
         QString::fromLatin1(Device_Model_Table(device_type).sw_code);
}

QString Link_Label_Text(const QString& target, const QString& text) {
  return QStringLiteral("<a href=\"") + target + QStringLiteral("\">") + text + QStringLiteral("</a>");
}

int Conv_Version(const QString& Ver_str) {
  const qsizetype blank = Ver_str.indexOf(QLatin1Char(' '));
  const QString version = (blank < 0 ? Ver_str : Ver_str.mid(blank + 1)).trimmed();
  if (version.size() < 5) return -1;
  const QString digits = QString(version[0]) + version[2] + version[3] + version[4];
  bool ok = false;
  const int number = digits.toInt(&ok, 10);
  // Only plain digits count: toInt would also take a sign or blanks.
  for (QChar c : digits)
    if (!c.isDigit() || c.unicode() > '9') return -1;
  return ok ? number : -1;
}

bool Is_Newer_Version(const QString& answer, const QString& running_version) {
  const QString text = answer.toUpper().trimmed();
  if (text.isEmpty() || text == QLatin1String("VER. 0.000")) return false;
  const int local = Conv_Version(running_version);
  const int remote = Conv_Version(text);
  return local != -1 && remote != -1 && remote > local;
}

Http_Answer Http_Get(const QString& url) {
  Init_Curl_Once();
  CURL* curl = curl_easy_init();
  if (!curl) return {{}, QStringLiteral("The connection library cannot be started")};
  std::string answer;
  char detail[CURL_ERROR_SIZE] = {};
  const std::string address = url.toStdString();
  curl_slist* headers =
      curl_slist_append(nullptr, "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, detail);
  const CURLcode result = curl_easy_perform(curl);
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  if (result == CURLE_WRITE_ERROR)
    return {{}, QStringLiteral("The answer is longer than %1 bytes").arg(kMaxAnswerBytes)};
  if (result != CURLE_OK) return {{}, QString::fromLocal8Bit(detail[0] != '\0' ? detail : curl_easy_strerror(result))};
  return {QString::fromLatin1(answer.data(), static_cast<qsizetype>(answer.size())), {}};
}

Version_Check Check_Version_Answer() {
  const Http_Answer answer = Http_Get(Version_Query_Url(Device_Type()));
  if (!answer.Ok()) return {Version_Check::Outcome::Failed, answer.error};
  const bool newer = Is_Newer_Version(answer.text, QString::fromLatin1(Current_Device_Model().version));
  return {newer ? Version_Check::Outcome::Newer : Version_Check::Outcome::Not_Newer, {}};
}

bool Check_Version() { return Check_Version_Answer().outcome == Version_Check::Outcome::Newer; }
