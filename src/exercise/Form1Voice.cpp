// SPDX-License-Identifier: GPL-3.0-or-later
// The speaker: the statement, and a choice problem's choices, read aloud.

#include "exercise/SpeechVoice.h"
#include "exercise/SpokenText.h"
#include "problems/Form1.h"
#include "problems/Form1Parts.h"
#include "windows/PictureButton.h"
#include "windows/StatementBox.h"

#include <QComboBox>
#include <QTextDocument>

namespace {

std::function<std::unique_ptr<Voice>()>& voiceFactory() {
    static std::function<std::unique_ptr<Voice>()> factory;
    return factory;
}

} // namespace

bool SpeakerOffered() {
    if (voiceFactory() || SpeechVoice::EngineInstalled())
        return true;
    // For whoever looks after the computer, as when the speech service fails.
    qWarning("No se puede leer en voz alta: no hay ningún motor de voz instalado "
             "(paquete qt6-speech-speechd-plugin).");
    return false;
}

void Form1::SetVoiceFactory(std::function<std::unique_ptr<Voice>()> factory) {
    voiceFactory() = std::move(factory);
}

void Form1::Command9_Click() {
    if (ui.Command9->isHidden())
        return; // no voice on this computer; the shortcut does nothing either
    std::unique_ptr<Voice>& voice = parts_->voice;
    if (!voice) {
        // Made here, not at start-up: a pupil who never presses the speaker costs nothing.
        voice = voiceFactory() ? voiceFactory()() : std::make_unique<SpeechVoice>();
        connect(voice.get(), &Voice::Failed, this, [this](const QString& reason) {
            if (ui.Command9->hasFocus())
                ui.Text3->setFocus();
            ui.Command9->hide();
            // For whoever looks after the computer; the pupil just no longer sees the speaker.
            qWarning("%s", qPrintable(reason));
        });
    }
    // The first reading waits seconds for the speech service: a child who presses again because
    // nothing is heard yet would otherwise stop it before it starts.
    if (voice->VoiceState() == Voice::State::Starting)
        return;
    // A press while it reads stops it; the next press starts again from the beginning.
    if (voice->VoiceState() == Voice::State::Speaking) {
        voice->Stop();
        return;
    }
    QStringList choices;
    if (!ui.Combo2->isHidden()) { // a choice problem
        for (int i = 0; i < ui.Combo2->count(); ++i)
            choices << ui.Combo2->itemText(i);
    }
    // The raw text keeps the no-break spaces that group digits.
    voice->Say(SpokenProblem(ui.Text3->document()->toRawText(), choices));
}

void Form1::StopVoice() {
    if (parts_ && parts_->voice && parts_->voice->VoiceState() != Voice::State::Ready)
        parts_->voice->Stop();
}
