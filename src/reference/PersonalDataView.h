#pragma once

#include "reference/PersonalData.h"

#include <QObject>
#include <QPointer>

#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace pelcor {

class ConstantCell;
class ConstantsView;
class Reporter;
struct Settings;

// The personal data's controls: the side panel `PersonalPanel` with its fourteen entries
// (`StaticText124`..`StaticText132`, `StaticText147`..`StaticText151`, Tags 601 to 614) and
// the edit panel `PersonalSettingsPanel`. A left click (or a screen reader's press) on an
// entry inserts its number into the readout; any other button, or the menu key, opens the
// edit panel. The window opens and closes the side panel like the other side panels.
class PersonalDataView : public QObject {
    Q_OBJECT
public:
    // `sideParent` receives PersonalPanel (hidden), `editParent` PersonalSettingsPanel
    // (hidden). The edit panel proposes the readout's text (`reporter`) for an entry of
    // value 0.
    PersonalDataView(QWidget* sideParent, QWidget* editParent, Reporter& reporter,
                     QObject* parent = nullptr);

    PersonalData& model() { return model_; }

    // The side panel PersonalPanel, which the window opens and closes like the other side
    // lists, and the edit panel PersonalSettingsPanel that goes with it.
    QWidget* sidePanel() const;
    QWidget* editPanel() const;

    // The entry of a Tag 601..614.
    ConstantCell* entry(int tag) const;

    // Hovering an entry goes through the constants' hover help (highlight and
    // CurrentEntry); a left click makes the entry CurrentEntry there too.
    void ShareHoverHelp(ConstantsView& constants);

    // --- handlers
    void PersonalInsertHelp(int tag, Qt::MouseButton button);
    void PersonalUpdateButtClick();
    void PersonalCloseButtClick();

    // --- saved state: the titles and numbers in the settings
    void LoadSettings(const Settings& settings);
    void SaveSettings(Settings& settings) const;

signals:
    // PersCloseButt: the window's common side-panel close.
    void SidePanelCloseClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showEntry(int tag);

    QFrame* PersonalPanel = nullptr;
    QLabel* PersonalLabel = nullptr;
    QPushButton* PersCloseButt = nullptr;
    QFrame* PersonalSettingsPanel = nullptr;
    QLineEdit* NewTitleEdit = nullptr;
    QLineEdit* NewValueEdit = nullptr;
    QPushButton* PersonalUpdateButt = nullptr;
    QPushButton* PersonalCloseButt = nullptr;

    Reporter& reporter_;
    PersonalData model_;
    ConstantCell* entries_[PersonalData::kEntries] = {};
    QPointer<ConstantsView> constants_;
};

} // namespace pelcor
