#include "widgets/SystemReason.h"

#include <locale.h>

#include <cstring>

#include "picture/QtText.h"
#include "widgets/MessageTexts.h"

namespace glimmet {

QString SystemReason(int code) {
    for (const auto& [known, words] : message_texts::kSystemErrors) {
        if (known == code) return QtText(words);
    }
    return QString::fromLocal8Bit(std::strerror(code));
}

QString SystemReason(const QString& systemText) {
    const QString text = systemText.trimmed();
    const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    QString worded = systemText;
    for (const auto& [code, words] : message_texts::kSystemErrors) {
        if ((cLocale != nullptr && text == QString::fromLocal8Bit(strerror_l(code, cLocale))) ||
            text == QString::fromLocal8Bit(std::strerror(code))) {
            worded = QtText(words);
            break;
        }
    }
    if (cLocale != nullptr) freelocale(cLocale);
    return worded;
}

}  // namespace glimmet
