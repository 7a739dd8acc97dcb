#include "dialogs/DialogService.h"

#include "ScriptedDialogService.h"

#include <QDialog>
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

using zedera::DialogService;
using zedera::testing::ScriptedDialogService;
using Kind = ScriptedDialogService::Kind;

class TestDialogService : public QObject {
    Q_OBJECT
private slots:
    void init() { DialogService::setDefaultCaption(QStringLiteral("Administração de Zedera")); }

    void recordsBoxesInOrderWithTheirCaptions()
    {
        ScriptedDialogService boxes;
        QCOMPARE(&DialogService::instance(), &boxes);
        DialogService::instance().information(QStringLiteral("Nome deve ser informado"));
        DialogService::instance().warning(QStringLiteral("Atenção"), QStringLiteral("Aviso"));
        DialogService::instance().error(QStringLiteral("Falha"), QStringLiteral(""));
        boxes.expectQuestion(QStringLiteral("Confirma a gravação?"), true);
        QVERIFY(DialogService::instance().question(QStringLiteral("Confirma a gravação?"), false));

        const auto &m = boxes.messages();
        QCOMPARE(m.size(), 4);
        QCOMPARE(m[0].kind, Kind::Information);
        QCOMPARE(m[0].caption, QStringLiteral("Administração de Zedera"));
        QCOMPARE(m[1].kind, Kind::Warning);
        QCOMPARE(m[1].caption, QStringLiteral("Aviso"));
        QCOMPARE(m[2].caption, QString()); // an explicitly empty caption stays empty
        QCOMPARE(m[3].kind, Kind::Question);
        QCOMPARE(m[3].defaultYes, false);
        QCOMPARE(boxes.lastMessage().answer, true);
        QCOMPARE(boxes.texts(Kind::Information), QStringList{QStringLiteral("Nome deve ser informado")});
        QVERIFY(boxes.unexpected().isEmpty());
    }

    void unforeseenQuestionsAreAnsweredNoAndListed()
    {
        ScriptedDialogService boxes;
        boxes.expectQuestion(QStringLiteral("Confirma a exclusão?"), true);
        QTest::ignoreMessage(QtWarningMsg,
                             "question \"Confirma a inclusão?\" asked where \"Confirma a exclusão?\" was expected");
        QTest::ignoreMessage(QtWarningMsg, "unexpected question: \"De novo?\"");
        QVERIFY(!boxes.question(QStringLiteral("Confirma a inclusão?"), true));
        QVERIFY(!boxes.question(QStringLiteral("De novo?"), true));
        QCOMPARE(boxes.pendingQuestions(), 0);
        const QStringList unexpected = boxes.takeUnexpected();
        QCOMPARE(unexpected.size(), 2);
        QVERIFY(unexpected.at(0).contains(QStringLiteral("Confirma a inclusão?")));
    }

    void leftoverScriptFailsTheTest()
    {
        QEXPECT_FAIL("", "the double reports the answer nobody asked for", Continue);
        ScriptedDialogService boxes;
        boxes.expectQuestion(QStringLiteral("Nunca perguntada"), true);
    }

    void execRunsTheHandlerOnTheRealDialog()
    {
        ScriptedDialogService boxes;
        QDialog dialog;
        dialog.setObjectName(QStringLiteral("F_Pesquisa"));
        auto *edit = new QLineEdit(&dialog);
        edit->setObjectName(QStringLiteral("t_valor"));
        boxes.expectExec(QStringLiteral("F_Pesquisa"), [](QDialog &d) {
            d.findChild<QLineEdit *>(QStringLiteral("t_valor"))->setText(QStringLiteral("42"));
            return int(QDialog::Accepted);
        });
        QCOMPARE(DialogService::instance().exec(dialog), int(QDialog::Accepted));
        QCOMPARE(edit->text(), QStringLiteral("42"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(boxes.lastMessage().kind, Kind::Exec);
        QCOMPARE(boxes.lastMessage().objectName, QStringLiteral("F_Pesquisa"));

        QTest::ignoreMessage(QtWarningMsg, "unexpected modal window: QDialog (F_Pesquisa)");
        QCOMPARE(boxes.exec(dialog), int(QDialog::Rejected));
        QCOMPARE(boxes.takeUnexpected().size(), 1);
    }

    // The real box: Portuguese buttons, the preselected one as asked, Esc answers No.
    void realQuestionBox_data()
    {
        QTest::addColumn<bool>("defaultYes");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("expected");
        QTest::newRow("Enter on preselected No") << false << int(Qt::Key_Return) << false;
        QTest::newRow("Enter on preselected Yes") << true << int(Qt::Key_Return) << true;
        QTest::newRow("Esc is No") << true << int(Qt::Key_Escape) << false;
    }
    void realQuestionBox()
    {
        QFETCH(bool, defaultYes);
        QFETCH(int, key);
        QFETCH(bool, expected);
        QStringList buttons;
        QString shownText;
        QString shownCaption;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QAbstractButton *b : box->buttons())
                buttons << b->text();
            shownText = box->text();
            shownCaption = box->windowTitle();
            QTest::keyClick(box, Qt::Key(key));
        });
        const bool answer = DialogService::instance().question(QStringLiteral("Linha 1\rLinha 2"), defaultYes);
        QCOMPARE(answer, expected);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("&Não"), QStringLiteral("&Sim")}));
        QCOMPARE(shownText, QStringLiteral("Linha 1\nLinha 2"));
        QCOMPARE(shownCaption, QStringLiteral("Administração de Zedera"));
    }

    void restoresThePreviousServiceWhenItGoes()
    {
        DialogService *real = &DialogService::instance();
        {
            ScriptedDialogService outer;
            {
                ScriptedDialogService inner;
                QCOMPARE(&DialogService::instance(), &inner);
            }
            QCOMPARE(&DialogService::instance(), &outer);
        }
        QCOMPARE(&DialogService::instance(), real);
        QCOMPARE(DialogService::installed(), nullptr);
    }
};

QTEST_MAIN(TestDialogService)
#include "tst_dialog_service.moc"
