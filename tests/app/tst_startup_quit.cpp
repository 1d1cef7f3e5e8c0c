// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Cue.h"
#include "app/Form4.h"
#include "app/Program.h"
#include "problems/Form1.h"
#include "report/Form3.h"
#include "selection/Form2.h"
#include "support/TempAppFolder.h"
#include "windows/PictureButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QtEndian>
#include <QtTest>

#include <cmath>

// Quitting must be safe at any moment: right after the start, while cues are still loading or
// playing, with every window loaded. Each run goes the way main() does: start, event loop, the
// ending asked for by the program itself, then the windows and cues released before the
// application object goes.
class TestStartupQuit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void quitManyTimesInOneProcess();
    void quitManyProgramProcesses();
    void programProcess();

private:
    static QByteArray waveBytes(int milliseconds, double frequency);
    static void fillContent(const TempAppFolder& app);
    static int runProgramOnce(int quitAfterMs, int stage);
};

namespace {

const char* const Cues[] = {"lista.WAV",     "pasa.WAV",   "pasaejercicio.WAV", "num.WAV",
                            "operacion.WAV", "pulsax.WAV", "acierto.WAV",       "fallo.WAV"};

void appendLe(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void TestStartupQuit::initTestCase() {
    SetEndProgramHook({});
}

QByteArray TestStartupQuit::waveBytes(int milliseconds, double frequency) {
    // 16-bit mono PCM at 22050 Hz: a short tone, as the shipped cues are.
    const quint32 rate = 22050;
    const quint32 samples = rate * milliseconds / 1000;
    QByteArray bytes("RIFF");
    appendLe(bytes, 36 + samples * 2, 4);
    bytes += "WAVEfmt ";
    appendLe(bytes, 16, 4);
    appendLe(bytes, 1, 2); // PCM
    appendLe(bytes, 1, 2); // mono
    appendLe(bytes, rate, 4);
    appendLe(bytes, rate * 2, 4);
    appendLe(bytes, 2, 2);
    appendLe(bytes, 16, 2);
    bytes += "data";
    appendLe(bytes, samples * 2, 4);
    for (quint32 i = 0; i < samples; ++i) {
        const double value = 8000 * std::sin(2 * M_PI * frequency * i / rate);
        appendLe(bytes, static_cast<quint16>(static_cast<qint16>(value)), 2);
    }
    return bytes;
}

void TestStartupQuit::fillContent(const TempAppFolder& app) {
    app.writeLines("configuracion/idioma.txt",
                   {"ACEPTAR", "Grupos", "COMPROBAR", "BIEN", "MAL", "¿Salir?", "Informe"});
    app.writeLines("Problemas/Sumas/1.txt", {"Dos y tres", "2 + 3"});
    app.writeLines("Problemas/Restas/1.txt", {"Cinco menos uno", "5 - 1"});
    int n = 0;
    for (const char* cue : Cues) {
        app.write(QString("sonidos/") + cue, waveBytes(120 + 40 * n, 440 + 110 * n));
        ++n;
    }
}

// One run of the program. stage says how far the pupil gets before the ending: 0 the start-up
// window only, 1 the group window, 2 the exercise window and the report window with cues playing.
// The ending comes quitAfterMs later, so that it finds cues at different points of loading.
int TestStartupQuit::runProgramOnce(int quitAfterMs, int stage) {
    StartProgram();
    if (stage >= 1)
        QTest::mouseClick(Form4::Existing(), Qt::LeftButton);
    if (stage >= 2) {
        QTest::mouseClick(Form2::Existing()->ui.Command1, Qt::LeftButton);
        Form3::Instance().ShowFromProgram();
        for (const char* cue : Cues)
            PlayCue(QStringLiteral("\\sonidos\\") + QString::fromLatin1(cue));
    }
    QTimer::singleShot(quitAfterMs, [] { EndProgram(); });
    // A safety net only: a run that does not end by itself fails with code 99.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
    watchdog.start(20000);
    const int code = QApplication::exec();
    watchdog.stop();
    UnloadProgramWindows();
    return code;
}

void TestStartupQuit::quitManyTimesInOneProcess() {
    const int cycles = qEnvironmentVariableIntValue("KOTIRA_QUIT_CYCLES") > 0
                           ? qEnvironmentVariableIntValue("KOTIRA_QUIT_CYCLES")
                           : 200;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < cycles; ++i) {
        TempAppFolder app;
        fillContent(app);
        const int code = runProgramOnce(i % 9 * 7, i % 3);
        QVERIFY2(code == 0, qPrintable(QString("run %1 ended with %2").arg(i).arg(code)));
        QVERIFY(ProgramWindows().isEmpty());
        QVERIFY(!Form1::Existing() && !Form2::Existing() && !Form3::Existing() && !Form4::Existing());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }
    qInfo("%d runs in one process, %lld ms", cycles, static_cast<long long>(clock.elapsed()));
}

void TestStartupQuit::quitManyProgramProcesses() {
    // Each run is a process of its own, so the application object's destruction after the
    // program's ending is part of what is checked.
    const int runs = qEnvironmentVariableIntValue("KOTIRA_QUIT_RUNS") > 0
                         ? qEnvironmentVariableIntValue("KOTIRA_QUIT_RUNS")
                         : 12;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("KOTIRA_QUIT_CHILD", QString::number(i));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {"programProcess", "-silent"});
        QVERIFY(child.waitForFinished(60000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit, qPrintable(QString("run %1 crashed").arg(i)));
        QVERIFY2(child.exitCode() == 0,
                 qPrintable(QString("run %1: exit code %2\n%3")
                                .arg(i)
                                .arg(child.exitCode())
                                .arg(QString::fromLocal8Bit(child.readAllStandardOutput()))));
    }
    qInfo("%d program processes, %lld ms", runs, static_cast<long long>(clock.elapsed()));
}

void TestStartupQuit::programProcess() {
    if (!qEnvironmentVariableIsSet("KOTIRA_QUIT_CHILD"))
        QSKIP("one program run, started by quitManyProgramProcesses");
    const int i = qEnvironmentVariableIntValue("KOTIRA_QUIT_CHILD");
    TempAppFolder app;
    fillContent(app);
    QCOMPARE(runProgramOnce(i % 5 * 11, i % 3), 0);
}

QTEST_MAIN(TestStartupQuit)
#include "tst_startup_quit.moc"
