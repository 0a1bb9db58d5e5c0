// Turns a UTF-8 story source (LF line ends) into the game's form: Windows-1251 with CR LF after
// every line. A character outside the code page, a CR in the source or invalid UTF-8 is an error
// naming the file and line, so no text reaches the player garbled. A line is a whole paragraph, so
// a character outside the code page is also named by its column and code point.

#include "platform/windows1251.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cstdio>

using namespace vortelia;

static int fail(const QString& file, qsizetype line, const char* problem) {
    std::fprintf(stderr, "%s:%lld: %s\n", qUtf8Printable(file), static_cast<long long>(line), problem);
    return 1;
}

// The first character of the line that the code page lacks: its column (1-based, in characters as
// an editor counts them) and the character itself.
static int failOnCharacter(const QString& file, qsizetype line, QStringView text) {
    qsizetype column = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = QChar::isHighSurrogate(text[i].unicode()) && i + 1 < text.size() ? 2 : 1;
        const QStringView character = text.sliced(i, width);
        ++column;
        bool ok = true;
        encodeWindows1251(character.toString(), &ok);
        if (!ok) {
            const char32_t code = character.toUcs4().value(0);
            std::fprintf(stderr, "%s:%lld:%lld: character U+%04X \"%s\" is outside Windows-1251\n",
                         qUtf8Printable(file), static_cast<long long>(line), static_cast<long long>(column),
                         static_cast<unsigned>(code), qUtf8Printable(character.toString()));
            return 1;
        }
        i += width;
    }
    return fail(file, line, "has a character outside Windows-1251");
}

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: encode_text SOURCE.txt OUTPUT.tf\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return fail(source, 0, "cannot be read");
    const QByteArray bytes = in.readAll();
    if (bytes.contains('\r'))
        return fail(source, 0, "holds a CR: sources use LF line ends");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return fail(source, 0, "is not valid UTF-8");

    QList<QStringView> lines = QStringView(text).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the LF that ends the last line ends no further line
    QByteArray encoded;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bool ok = true;
        encoded += encodeWindows1251(lines[i].toString(), &ok);
        if (!ok)
            return failOnCharacter(source, i + 1, lines[i]);
        encoded += "\r\n";
    }
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(encoded) != encoded.size() || !out.commit())
        return fail(output, 0, "cannot be written");
    return 0;
}
