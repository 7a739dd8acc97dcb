#include "access/SingleInstance.h"

#include <QApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QUuid>
#include <QWidget>
#include <QtTest>

#include <csignal>
#include <cstdio>

using zedera::SingleInstance;

namespace {

QString freshKey()
{
    return QStringLiteral("Adminitração de Zedera ") + QUuid::createUuid().toString();
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    void secondCopyRaisesTheFirstAndEnds()
    {
        const QString key = freshKey();
        QWidget window;
        window.showMinimized();
        SingleInstance first(key);
        first.setWindow(&window);
        QVERIFY(first.start());
        QVERIFY(first.isPrimary());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);

        SingleInstance second(key);
        QVERIFY(!second.start());
        QVERIFY(!second.isPrimary());
        QVERIFY(raised.wait(3000));
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }

    void distinctKeysRunSideBySide()
    {
        SingleInstance a(freshKey());
        SingleInstance b(freshKey());
        QVERIFY(a.start());
        QVERIFY(b.start());
    }

    void lockFreedWhenTheFirstEnds()
    {
        const QString key = freshKey();
        {
            SingleInstance first(key);
            QVERIFY(first.start());
        }
        SingleInstance next(key);
        QVERIFY(next.start());
    }

    void crashedCopyDoesNotBlockTheNextStart()
    {
        // A copy that dies without cleaning up leaves its lock file and socket behind.
        const QString key = freshKey();
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--crash-holding"), key});
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("held"));

        SingleInstance next(key);
        QVERIFY(next.start());
        QSignalSpy raised(&next, &SingleInstance::activationRequested);
        SingleInstance another(key);
        QVERIFY(!another.start());
        QVERIFY(raised.wait(3000));
    }
};

int main(int argc, char **argv)
{
    // Child mode of crashedCopyDoesNotBlockTheNextStart: take the lock, then die without cleaning up.
    if (argc == 3 && qstrcmp(argv[1], "--crash-holding") == 0) {
        QCoreApplication app(argc, argv);
        auto *held = new SingleInstance(QString::fromUtf8(argv[2]));
        if (!held->start())
            return 1;
        std::puts("held");
        std::fflush(stdout);
        std::raise(SIGKILL);
        return 1;
    }
    QApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessinstance.moc"
