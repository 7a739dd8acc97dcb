#include "textprint/TextExport.h"

#include "dialogs/DialogService.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>

namespace zedera {

QString plainText(const TextDocument &document, const PrintSetup &setup)
{
    QString out;
    bool first = true;
    for (int page = 1; page <= document.pageCount(); ++page) {
        if (!setup.includes(page))
            continue;
        if (!first)
            out += u'\f';
        first = false;
        QStringList lines = document.textLines(page);
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        for (const QString &line : lines) {
            out += line;
            out += u'\n';
        }
    }
    return out;
}

bool writePlainText(const TextDocument &document, const QString &path, const PrintSetup &setup)
{
    QSaveFile file(path);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok) {
        const QByteArray bytes = plainText(document, setup).toUtf8();
        ok = file.write(bytes) == bytes.size() && file.commit();
    }
    if (!ok) {
        file.cancelWriting();
        dialogs().error(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(path));
    }
    return ok;
}

QByteArray transliterate(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            out += char(c.unicode());
            continue;
        }
        if (c == u'º' || c == u'°') {
            out += 'o';
            continue;
        }
        if (c == u'ª') {
            out += 'a';
            continue;
        }
        // The decomposed form starts with the bare letter when there is one.
        const QString bare = QString(c).normalized(QString::NormalizationForm_KD);
        const QChar base = bare.isEmpty() ? QChar() : bare.at(0);
        out += (base.unicode() > 0 && base.unicode() < 0x80) ? char(base.unicode()) : '?';
    }
    return out;
}

namespace {

// ESC/P switches for a style; `on` true gives the codes that set it, false the ones that reset it.
QByteArray styleCodes(int style, int pitchDots, bool on)
{
    QByteArray codes;
    if (on) {
        switch (pitchDots) {
        case 12: codes += "\x1bP\x12"; break;   // 10 cpi, condensed off
        case 10: codes += "\x1bM\x12"; break;   // 12 cpi
        case 7: codes += "\x1bP\x0f"; break;    // 10 cpi condensed: 17.14 cpi
        case 6: codes += "\x1bM\x0f"; break;    // 12 cpi condensed: 20 cpi
        default: break;
        }
    }
    if (style & textstyle::Bold)
        codes += on ? "\x1b" "E" : "\x1b" "F";
    if (style & textstyle::Italic)
        codes += on ? "\x1b" "4" : "\x1b" "5";
    if (style & textstyle::Underline)
        codes += on ? QByteArray("\x1b-\x01", 3) : QByteArray("\x1b-\x00", 3);
    if (style & textstyle::Expanded)
        codes += on ? QByteArray("\x1bW\x01", 3) : QByteArray("\x1bW\x00", 3);
    return codes;
}

} // namespace

QByteArray epsonBytes(const TextDocument &document, const PrintSetup &setup)
{
    QByteArray out;
    out += "\x1b@";                                   // reset
    out += "\x1b" "2";                                // 1/6 inch line spacing
    out += "\x1b" "C" + QByteArray(1, char(std::min(127, document.rows()))); // page length
    for (int page = 1; page <= document.pageCount(); ++page) {
        if (!setup.includes(page))
            continue;
        const QList<QList<TextRun>> rows = document.pageRuns(page);
        int lastRow = int(rows.size());
        while (lastRow > 0 && rows.at(lastRow - 1).isEmpty())
            --lastRow;
        for (int r = 0; r < lastRow; ++r) {
            for (const TextRun &run : rows.at(r)) {
                // Absolute position in 1/60 inch: dots of 1/120 halved.
                const int pos = run.x / 2;
                out += "\x1b$";
                out += char(pos % 256);
                out += char(pos / 256);
                out += styleCodes(run.style, run.cellWidth / ((run.style & textstyle::Expanded) ? 2 : 1),
                                  true);
                out += transliterate(run.text);
                out += styleCodes(run.style, 0, false);
            }
            out += "\r\n";
        }
        out += '\f';
    }
    return out;
}

bool sendEpson(const TextDocument &document, const PrintSetup &setup)
{
    QByteArray bytes;
    const QByteArray one = epsonBytes(document, setup);
    for (int i = 0; i < std::max(1, setup.copies); ++i)
        bytes += one;

    QString target = setup.target.trimmed();
    static const QRegularExpression lpt(QStringLiteral("^LPT([1-9])$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = lpt.match(target); m.hasMatch())
        target = QStringLiteral("/dev/lp%1").arg(m.captured(1).toInt() - 1);

    bool ok = false;
    if (target.contains(u'/')) {
        QFile device(target);
        ok = device.open(QIODevice::WriteOnly) && device.write(bytes) == bytes.size();
        ok = ok && device.flush();
    } else if (!target.isEmpty()) {
        QProcess lp;
        lp.start(QStringLiteral("lp"), {QStringLiteral("-d"), target, QStringLiteral("-o"),
                                        QStringLiteral("raw")});
        if (lp.waitForStarted(5000)) {
            lp.write(bytes);
            lp.closeWriteChannel();
            ok = lp.waitForFinished(30000) && lp.exitStatus() == QProcess::NormalExit
                 && lp.exitCode() == 0;
        }
    }
    if (!ok)
        dialogs().error(QStringLiteral("Não foi possível enviar o relatório para %1.")
                            .arg(setup.target.isEmpty() ? QStringLiteral("a impressora")
                                                        : setup.target));
    return ok;
}

} // namespace zedera
