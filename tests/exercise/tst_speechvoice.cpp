// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's voice when the speech service takes the connection and never answers.

#include "exercise/SpeechVoice.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestSpeechVoice : public QObject {
    Q_OBJECT

private slots:
    void silentServiceGivenUp();
};

void TestSpeechVoice::silentServiceGivenUp() {
    if (!SpeechVoice::EngineInstalled())
        QSKIP("no text-to-speech engine installed");
    // A listening socket that is never read: the kernel completes the connection, nothing answers.
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(QStringLiteral("speechd.sock")));
    const int service = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    QVERIFY(bind(service, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0);
    QVERIFY(listen(service, 4) == 0);
    qputenv("SPEECHD_ADDRESS", "unix_socket:" + path);

    SpeechVoice voice(nullptr, std::chrono::milliseconds(300));
    QSignalSpy failed(&voice, &Voice::Failed);
    voice.Say(QStringLiteral("Hola"));
    QVERIFY(failed.wait(20000));
    QCOMPARE(voice.VoiceState(), Voice::State::Ready);
    // The service goes away; the voice's thread, freed, may now report its own failure: once is
    // what the window hears.
    close(service);
    QTest::qWait(200);
    QCOMPARE(failed.count(), 1);
}

QTEST_GUILESS_MAIN(TestSpeechVoice)
#include "tst_speechvoice.moc"
