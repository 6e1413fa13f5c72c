#include "reference/PersonalDataView.h"

#include "platform/Colors.h"
#include "platform/Reporter.h"
#include "platform/widgets/Widgets.h"
#include "reference/ConstantCell.h"
#include "reference/ConstantsView.h"
#include "reference/OtherButtonPress.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelcor {

namespace {

constexpr int kNavy = 128 * 65536;
constexpr int kLime = 255 * 256;
constexpr int kRed = 255;

// The entries' controls, in Tag order (their rows are the side list's).
constexpr int kEntryNumbers[PersonalData::kEntries] = {124, 125, 126, 127, 128, 129, 130,
                                                       131, 132, 147, 148, 149, 150, 151};

} // namespace

PersonalDataView::PersonalDataView(QWidget* sideParent, QWidget* editParent, Reporter& reporter,
                                   QObject* parent)
    : QObject(parent), reporter_(reporter), model_(reporter) {
    PersonalPanel = MakePanel("PersonalPanel", sideParent, 19, 12, 149, 12, false);
    PersonalPanel->setLineWidth(3);
    SetBackground(PersonalPanel, kNavy);
    PersonalLabel = MakeLabel("PersonalLabel", "Personal Data", PersonalPanel, 8, 8, 86, 15);
    PersonalLabel->setFont(ArialFont(11, true));
    SetFontColor(PersonalLabel, kLime);
    PersCloseButt = MakeButton("PersCloseButt", "Close", PersonalPanel, 96, 4, 41, 17);
    PersCloseButt->setFont(ArialFont(11, true));
    SetFontColor(PersCloseButt, kRed);
    connect(PersCloseButt, &QPushButton::clicked, this, &PersonalDataView::SidePanelCloseClicked);

    for (int i = 0; i < PersonalData::kEntries; ++i) {
        const int tag = PersonalData::kFirstTag + i;
        auto* cell = new ConstantCell("StaticText" + QString::number(kEntryNumbers[i]), tag, {},
                                      colors::BtnFace, PersonalPanel);
        cell->setGeometry(4, SideListRowTops[i], 137, 20);
        cell->installEventFilter(this);
        // A click, the space bar and a screen reader's press all insert.
        connect(cell, &ConstantCell::clicked, this,
                [this, tag] { PersonalInsertHelp(tag, Qt::LeftButton); });
        connect(cell, &ConstantCell::hovered, this, [this, cell] {
            if (constants_) constants_->ShowHelp(cell, cell->tag(), cell->color());
        });
        entries_[i] = cell;
        showEntry(tag);
    }
    PersonalPanel->hide();

    PersonalSettingsPanel = MakePanel("PersonalSettingsPanel", editParent, 164, 12, 309, 85);
    SetBackground(PersonalSettingsPanel, colors::MoneyGreen);
    QLabel* heading = MakeLabel("PersonalSettingsLabel", "Change personal settings",
                                PersonalSettingsPanel, 8, 4, 200, 16);
    heading->setFont(ArialFont(11, true));
    NewTitleEdit = new QLineEdit("Empty", PersonalSettingsPanel);
    NewTitleEdit->setObjectName("NewTitleEdit");
    NewTitleEdit->setGeometry(70, 24, 156, 21);
    NewValueEdit = new QLineEdit("0", PersonalSettingsPanel);
    NewValueEdit->setObjectName("NewValueEdit");
    NewValueEdit->setGeometry(70, 52, 156, 21);
    for (auto [edit, caption] :
         {std::pair{NewTitleEdit, "New title"}, {NewValueEdit, "New value"}}) {
        QLabel* label = MakeLabel(edit->objectName() + "Label", caption, PersonalSettingsPanel, 8,
                                  edit->y() + 2, 60, 17);
        label->setBuddy(edit);
        edit->setAccessibleName(caption);
    }
    PersonalUpdateButt =
        MakeButton("PersonalUpdateButt", "Update", PersonalSettingsPanel, 234, 23, 66, 23);
    PersonalCloseButt =
        MakeButton("PersonalCloseButt", "Close", PersonalSettingsPanel, 234, 51, 66, 23);
    connect(PersonalUpdateButt, &QPushButton::clicked, this,
            &PersonalDataView::PersonalUpdateButtClick);
    connect(PersonalCloseButt, &QPushButton::clicked, this,
            &PersonalDataView::PersonalCloseButtClick);
    PersonalSettingsPanel->hide();
}

QWidget* PersonalDataView::sidePanel() const {
    return PersonalPanel;
}

QWidget* PersonalDataView::editPanel() const {
    return PersonalSettingsPanel;
}

ConstantCell* PersonalDataView::entry(int tag) const {
    return PersonalData::IsEntryTag(tag) ? entries_[tag - PersonalData::kFirstTag] : nullptr;
}

void PersonalDataView::ShareHoverHelp(ConstantsView& constants) {
    constants_ = &constants;
}

void PersonalDataView::showEntry(int tag) {
    const PersonalData::Entry& e = model_.entry(tag);
    ConstantCell* cell = entry(tag);
    cell->setText(QString::fromStdString(e.title));
    cell->setToolTip(QString::fromStdString(e.hint));
    // An entry without a title is named by its number.
    cell->setAccessibleName(QString::fromStdString(e.title.empty() ? e.hint : e.title));
    cell->setAccessibleDescription(QString::fromStdString(e.hint));
}

void PersonalDataView::PersonalInsertHelp(int tag, Qt::MouseButton button) {
    if (!PersonalData::IsEntryTag(tag)) return;
    if (constants_) constants_->model().SetCurrentEntry(tag);
    if (button == Qt::LeftButton) {
        model_.Insert(tag);
        return;
    }
    const PersonalData::Proposal proposal = model_.BeginEdit(tag, reporter_.readoutText());
    NewTitleEdit->setText(QString::fromStdString(proposal.title));
    NewValueEdit->setText(QString::fromStdString(proposal.value));
    PersonalSettingsPanel->show();
    PersonalSettingsPanel->raise();
    NewTitleEdit->setFocus();
}

void PersonalDataView::PersonalUpdateButtClick() {
    const std::optional<int> tag = model_.EditedEntry();
    std::string title = S(NewTitleEdit->text());
    std::string value = S(NewValueEdit->text());
    if (!model_.Update(title, value)) return; // reported; the panel stays open
    NewTitleEdit->setText(Q(title));
    NewValueEdit->setText(Q(value));
    showEntry(*tag);
    PersonalSettingsPanel->hide();
}

void PersonalDataView::PersonalCloseButtClick() {
    model_.CancelEdit();
    PersonalSettingsPanel->hide();
}

void PersonalDataView::LoadSettings(const Settings& settings) {
    model_.LoadSettings(settings);
    for (int tag = PersonalData::kFirstTag; tag < PersonalData::kFirstTag + PersonalData::kEntries;
         ++tag)
        showEntry(tag);
}

void PersonalDataView::SaveSettings(Settings& settings) const {
    model_.SaveSettings(settings);
}

bool PersonalDataView::eventFilter(QObject* watched, QEvent* event) {
    if (auto* cell = qobject_cast<ConstantCell*>(watched); cell && IsOtherButtonPress(event)) {
        PersonalInsertHelp(cell->tag(), Qt::RightButton);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelcor
