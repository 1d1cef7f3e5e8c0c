#pragma once

class QWidget;

// The start-up window: the title picture fills it; it has no controls.
struct Form4Ui {
    void setupUi(QWidget* form);
};
