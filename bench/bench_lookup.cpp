// The material lookup over 100,000 materials.
//   lookup_open:   time until the lookup shows its first rows, against the bare query's first row.
//   lookup_locate: Localizar of the last row of the list, against reading every row bare.
//   lookup_peak_memory: the program's peak resident memory at the end (VmHWM), against the peak
//                  before any lookup was opened.
// Each time is the median of several runs, the two sides measured alternately in the same run.

#include "lookup/Lookups.h"

#include "SchemaBuilder.h"
#include "dialogs/DialogService.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

using namespace zedera;
using namespace zedera::registry;

namespace {

constexpr int kMaterials = 100000;
constexpr int kRuns = 7;

const QString kBare = QStringLiteral("select mt_codigo, mt_descricao from material order by mt_descricao");

double medianMs(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

qint64 peakKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

void print(const char *name, double value, double baseline, const char *unit)
{
    std::printf("{\"bench\": \"%s\", \"value\": %.3f, \"baseline\": %.3f, \"ratio\": %.3f, \"unit\": \"%s\"}\n", name,
                value, baseline, baseline > 0 ? value / baseline : 0.0, unit);
    std::fflush(stdout);
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e6;
}

void bareFirstRow(Connection &c)
{
    Query q(c, kBare);
    q.exec();
    if (!q.next() || q.value(1).toString().isEmpty())
        std::fprintf(stderr, "no first row\n");
}

void bareAllRows(Connection &c)
{
    Query q(c, kBare);
    q.exec();
    int rows = 0;
    while (q.next()) {
        const QVariant code = q.value(0);
        const QVariant text = q.value(1);
        rows += code.isValid() && text.isValid();
    }
    if (rows != kMaterials)
        std::fprintf(stderr, "read %d rows\n", rows);
}

// Message boxes would wait for a click: any message here means the benchmark went wrong.
class FailingDialogs final : public DialogService {
public:
    void information(const QString &text, const QString &) override { fail(text); }
    void warning(const QString &text, const QString &) override { fail(text); }
    void error(const QString &text, const QString &) override { fail(text); }
    bool question(const QString &text, bool, const QString &) override
    {
        fail(text);
        return false;
    }
    int exec(QDialog &) override { return 0; }

private:
    static void fail(const QString &text)
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(text));
        std::exit(1);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    FailingDialogs dialogs;
    DialogService::install(&dialogs);
    QTemporaryDir dir;
    ConnectionSettings settings;
    settings.databaseName = dir.filePath(QStringLiteral("contabil.gdb"));
    schema::createDatabaseFile(settings);
    Connection c(QStringLiteral("bench"), settings);
    c.open();
    schema::createSchema(c);
    // Descriptions in no particular order of their codes, so that the list really is sorted.
    c.execute(QStringLiteral("execute block as declare i integer = 1; begin "
                             "while (i <= %1) do begin "
                             "insert into material (mt_codigo, mt_descricao) values (:i, "
                             "'MATERIAL ' || lpad(mod(:i * 7919, %1), 6, '0') || ' TIPO ' || mod(:i, 97)); "
                             "i = i + 1; end end")
                  .arg(kMaterials));

    // The last row of the list, as the user would type it.
    QString last;
    {
        Query q(c, QStringLiteral("select first 1 mt_descricao from material order by mt_descricao desc"));
        q.exec();
        q.next();
        last = q.value(0).toString();
    }

    // One round of the bare side first: it warms the database cache and gives the peak memory of
    // the program before any lookup.
    bareFirstRow(c);
    bareAllRows(c);
    const qint64 peakBefore = peakKb();

    QList<double> bareOpen, lookupOpen, bareAll, locate;
    bool found = true;
    for (int run = 0; run < kRuns; ++run) {
        bareOpen << timeMs([&] { bareFirstRow(c); });
        lookupOpen << timeMs([&] {
            TF_Loc_Mat_Almox lookup(c);
            lookup.show();
            QApplication::processEvents();
        });

        bareAll << timeMs([&] { bareAllRows(c); });
        TF_Loc_Mat_Almox lookup(c);
        lookup.show();
        QApplication::processEvents();
        lookup.findChild<QLineEdit *>(QStringLiteral("t_valor_pesq"))->setText(last);
        auto *localizar = lookup.findChild<QPushButton *>(QStringLiteral("b_localizar"));
        locate << timeMs([&] {
            localizar->click();
            QApplication::processEvents();
        });
        found = found && lookup.currentRow() == kMaterials - 1;
    }
    if (!found) {
        std::fprintf(stderr, "Localizar did not land on the last row\n");
        return 1;
    }

    print("lookup_open", medianMs(lookupOpen), medianMs(bareOpen), "ms");
    print("lookup_locate", medianMs(locate), medianMs(bareAll), "ms");
    print("lookup_peak_memory", double(peakKb()), double(peakBefore), "kB");
    return 0;
}
