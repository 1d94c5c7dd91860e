// SPDX-FileCopyrightText: 2026 kestry
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

#include <QWidget>

#include "app/module1.h"
#include "app/settings_store.h"
#include "app/startup_entry.h"
#include "words/categories.h"

class QCheckBox;
class QCloseEvent;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace vorlix {

// The options dialog. It has no OK or Cancel: each control writes straight into the in-memory
// settings, and closing the window stores them. Deletes itself when closed, so every opening
// starts from the initial state of the controls.
class frmOption : public QWidget {
    Q_OBJECT

public:
    frmOption(Module1& settings, SettingsStore& store, StartupEntry& entry, std::string executablePath,
              QWidget* parent = nullptr);
    ~frmOption() override;

signals:
    // Closing could not store the settings or the start-at-log-on entry.
    void saveFailed(const QString& message);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    // Each control where the layout puts it for the captions as this font draws them.
    void placeControls();
    void chainTabOrder();
    void keepTabOnSelectedCategory();

    void Form_Load();
    void Check2_Click();
    void Check3_Click();
    void Check4_Click();
    void VScroll2_Change();
    void Text1_Validate();
    void Form_Unload();

    Module1& settings_;
    SettingsStore& store_;
    StartupEntry& entry_;
    const std::string executablePath_;

    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, kCategoryCount> Option1{};
    QGroupBox* Frame2 = nullptr;
    QCheckBox* Check4 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check2 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QScrollBar* VScroll2 = nullptr;
};

}  // namespace vorlix
