// "Exit" ends the program at once, even while a worker solves an exact value.
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

class ExitTest : public QObject {
    Q_OBJECT

  private slots:
    void exitDoesNotWaitForAnExactValue();
};

void ExitTest::exitDoesNotWaitForAnExactValue() {
    QProcess program;
    program.start(QStringLiteral(ORVEN_EXIT_WHILE_SOLVING), {});
    QVERIFY(program.waitForStarted());
    while (!program.canReadLine()) QVERIFY(program.waitForReadyRead(30000));
    QElapsedTimer sinceExit;
    sinceExit.start();
    QCOMPARE(program.readLine(), QByteArray("ending\n"));
    QVERIFY(program.waitForFinished(40000));
    // The worker would hold the program for 30 s; the margin is for a busy machine.
    QVERIFY2(sinceExit.elapsed() < 2000, qPrintable(QString::number(sinceExit.elapsed())));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(ExitTest)
#include "exit_test.moc"
