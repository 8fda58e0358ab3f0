#include "screens/ProfileNameRules.h"

#include "library/LibraryFolders.h"
#include "library/SafeName.h"
#include "screens/WindowsText.h"

namespace ostrel {
namespace {

// The characters a file name cannot hold on the product's platform.
const QString kForbidden = QStringLiteral("*:\"?><|/\\");

}  // namespace

QString underscoredName(const QString& text) {
  QString result = text;
  result.replace(QLatin1Char(' '), QLatin1Char('_'));
  return result;
}

std::optional<std::string> allowedProfileName(const QString& text) {
  if (text.isEmpty()) return std::nullopt;
  for (QChar character : text) {
    if (kForbidden.contains(character)) return std::nullopt;
  }
  std::optional<std::string> bytes = toWindows1252(text);
  if (!bytes || isMakerName(*bytes) || !isSafeName(*bytes)) return std::nullopt;
  return bytes;
}

}  // namespace ostrel
