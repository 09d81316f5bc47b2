#include "qt/AccessKeys.hpp"

#include "qt/Twips.hpp"

namespace vantor::qt::accesskeys {

QChar MarkedLetter(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] != '&') {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return QChar();
}

QString Assign(const QString& text, QSet<QChar>& used) {
    const QChar marked = MarkedLetter(text);
    if (!marked.isNull() && !used.contains(marked)) {
        used.insert(marked);
        return text;
    }
    const QString plain = CaptionText(text.toStdString(), false);
    const auto free = [&](qsizetype i) {
        return plain[i].isLetterOrNumber() && !used.contains(plain[i].toLower());
    };
    qsizetype chosen = -1;
    for (qsizetype i = 0; i < plain.size() && chosen < 0; ++i) {
        if ((i == 0 || plain[i - 1].isSpace()) && free(i)) {
            chosen = i;
        }
    }
    for (qsizetype i = 0; i < plain.size() && chosen < 0; ++i) {
        if (free(i)) {
            chosen = i;
        }
    }
    QString escaped = plain;
    escaped.replace('&', "&&");
    if (chosen < 0) {
        return escaped;
    }
    used.insert(plain[chosen].toLower());
    // Every '&' before the chosen letter became two.
    const qsizetype shift = plain.left(chosen).count('&');
    return escaped.insert(chosen + shift, '&');
}

} // namespace vantor::qt::accesskeys
