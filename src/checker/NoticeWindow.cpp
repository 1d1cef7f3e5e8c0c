// SPDX-License-Identifier: GPL-3.0-or-later
// The one window kotira-revisar may show: where its page is when no browser opened it. A library of
// its own, loaded only then, so the checker itself never loads Qt Widgets.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

extern "C" Q_DECL_EXPORT int KotiraShowNotice(int argc, char** argv, const char* text) {
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Revisar problemas de KOTIRA"),
                    QString::fromUtf8(text), QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    // The path can be selected and copied into a browser.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box.exec() == QMessageBox::Ok ? 0 : 1;
}
