#include "screens/HomeScreen.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

#include "controls/PictureCache.h"
#include "controls/ImageButton.h"
#include "controls/WindowsFont.h"
#include "library/ProfileLibrary.h"
#include "profile/AppState.h"
#include "profile/ProfileRecord.h"
#include "screens/ChosenButtons.h"
#include "screens/FieldSpinner.h"
#include "screens/HomeFields.h"
#include "screens/ScreenKeyFilter.h"
#include "screens/SensitivityField.h"
#include "screens/WindowsText.h"

namespace ostrel {
namespace {

constexpr const char* kBackground = "Screen-2.jpg";
constexpr const char* kStoredNotice = "Screen2/Profiles-Downloaded.png";
constexpr const char* kNotStoredNotice = "Screen2/Profiles-NotStored.png";

struct ButtonPlace {
  int id;
  const char* picture;
  QPoint place;
};

constexpr ButtonPlace kButtons[] = {
    {HomeScreen::kProfile1Tab, "profile1-uk.png", {0, 0}},
    {HomeScreen::kProfile2Tab, "profile2-uk.png", {0, 135}},
    {HomeScreen::kProfile3Tab, "profile3-uk.png", {0, 270}},
    {HomeScreen::kProfile4Tab, "profile4-uk.png", {0, 405}},
    {HomeScreen::kGeneralTab, "General-uk.png", {0, 540}},
    {HomeScreen::kControllerProfiles, "Screen2/Profiles-Controller.png", {82, 71}},
    {HomeScreen::kMyProfiles, "Screen2/Profiles-My.png", {82, 194}},
    {HomeScreen::kDownloadProfiles, "Screen2/Profiles-Download.png", {82, 317}},
    {HomeScreen::kMakerProfiles, "Screen2/Profiles-Kelto.png", {82, 439}},
    {HomeScreen::kNew, "Screen2/new.png", {707, 11}},
    {HomeScreen::kRename, "Screen2/Profile-Edit.png", {993, 15}},
    {HomeScreen::kResetUpper, "Screen2/reset1.png", {977, 256}},
    {HomeScreen::kSaveUpper, "Screen2/save1.png", {1132, 256}},
    {HomeScreen::kOn, "Screen2/On.png", {823, 416}},
    {HomeScreen::kOff, "Screen2/Off.png", {978, 416}},
    {HomeScreen::kResetLower, "Screen2/reset2.png", {823, 537}},
    {HomeScreen::kSaveLower, "Screen2/save2.png", {977, 537}},
    {HomeScreen::kActivate, "Screen2/ProfileActivate.png", {821, 632}},
    {HomeScreen::kWebSite, "Screen2/website.png", {106, 632}},
    {HomeScreen::kAim, "Screen2/Screen2-aim.png", {522, 70}},
    {HomeScreen::kKey, "Screen2/Screen2-key.png", {909, 72}},
    {HomeScreen::kQuit, "quit.png", {1177, 638}},
    {HomeScreen::kQuitHidden, "quit0.png", {608, 425}},
};

// Where the hidden fields lie (x 645), in the order of kHomeFields after the two
// visible ones.
constexpr int kHiddenFieldY[] = {541, 591, 536, 578, 620, 662};

}  // namespace

HomeScreen::HomeScreen(const ScreenContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
  setObjectName(QStringLiteral("HomeScreen"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  buildButtons();
  buildFields();
  connectCommands();
  // Space and F1 would press the focused button or ask for help.
  (new ScreenKeyFilter({Qt::Key_Space, Qt::Key_F1}, this))->installOn(this);

  tabs_->choose(0);
  onOff_->choose(0);
  connect(&timer_, &QTimer::timeout, this, &HomeScreen::tick);
  timer_.start(kTimerInterval);
  loadSlot();
}

HomeScreen::~HomeScreen() = default;

ImageButton* HomeScreen::addButton(int id, const char* picture, QPoint place) {
  auto* button = new ImageButton(context_.pictures, this);
  button->setObjectName(QString::number(id));
  button->move(place);
  buttons_[id] = button;
  pictureNames_[button] = QString::fromLatin1(picture);
  return button;
}

void HomeScreen::buildButtons() {
  for (const ButtonPlace& b : kButtons) addButton(b.id, b.picture, b.place);
  buttons_.at(kQuitHidden)->hide();
  loadPictures();

  tabs_ = new ChosenButtons(this);
  for (int id : {kProfile1Tab, kProfile2Tab, kProfile3Tab, kProfile4Tab, kGeneralTab}) {
    tabs_->add(buttons_.at(id));
  }
  onOff_ = new ChosenButtons(this);
  onOff_->add(buttons_.at(kOn));
  onOff_->add(buttons_.at(kOff));
}

void HomeScreen::loadPictures() {
  picturesFolder_ = context_.app.resourceFolder;
  const QString folder = QString::fromStdString(picturesFolder_);
  for (auto& [button, name] : pictureNames_) button->setPicture(folder + name);
}

void HomeScreen::buildFields() {
  nameLabel_ = new QLabel(this);
  nameLabel_->setTextFormat(Qt::PlainText);  // a name is text, never markup
  nameLabel_->setObjectName(QString::number(kNameLabel));
  nameLabel_->setGeometry(1007, 24, 220, 30);
  nameLabel_->setFont(windowsFont(QStringLiteral("Arial"), 23));
  nameLabel_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  nameLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // The label lies on the Rename button: a click on the name renames.
  nameLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);

  const QFont fieldFont = windowsFont(QStringLiteral("Arial"), 26);
  const std::array<QPoint, 2> visible = {QPoint(840, 491), QPoint(995, 491)};
  const std::array<QPoint, 2> spinners = {QPoint(922, 489), QPoint(1077, 489)};
  const std::array<int, 2> spinnerIds = {kSpinner1, kSpinner2};
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const HomeField& field = kHomeFields[i];
    QLineEdit* edit = field.visible ? new SensitivityField(this) : new QLineEdit(this);
    edit->setObjectName(QString::number(field.id));
    if (field.visible) {
      edit->setGeometry(QRect(visible[i], QSize(70, 27)));
      edit->setFont(fieldFont);
      edit->setAlignment(Qt::AlignCenter);
      edit->setFrame(false);
      edit->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
      static_cast<SensitivityField*>(edit)->setAcceptedText(QStringLiteral("1"));
      auto* spinner = new FieldSpinner(this);
      spinner->setObjectName(QString::number(spinnerIds[i]));
      spinner->setGeometry(QRect(spinners[i], QSize(30, 30)));
      auto* sensitivity = static_cast<SensitivityField*>(edit);
      connect(spinner, &FieldSpinner::stepped, sensitivity, &SensitivityField::step);
    } else {
      edit->setGeometry(645, kHiddenFieldY[i - 2], 70, 27);
      edit->setText(QStringLiteral("10"));
      edit->hide();
    }
    fields_[i] = edit;
  }
}

int HomeScreen::slotIndex() const {
  const int slot = context_.app.currentSlot;
  return slot >= 1 && slot <= kSlotCount ? slot - 1 : -1;
}

void HomeScreen::loadSlot() {
  const int index = slotIndex();
  if (index < 0) return;
  nameLabel_->setText(fromWindows1252(context_.app.slotNames[index]));
  fillFields();
  showSwitch();
  loaded_.take(context_.app, context_.library, fieldValues());
}

void HomeScreen::followSlot() {
  if (!loaded_.holds(context_.app, context_.library)) loadSlot();
}

void HomeScreen::fillFields() {
  const auto& values = context_.library.editValues[static_cast<std::size_t>(slotIndex())];
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const HomeField& field = kHomeFields[i];
    const QString text = fieldText(values[field.valueIndex], field.scale);
    if (field.visible) {
      static_cast<SensitivityField*>(fields_[i])->setAcceptedText(text);
    } else {
      fields_[i]->setText(text);
    }
  }
}

ControlValues HomeScreen::fieldValues() const {
  ControlValues values;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    values.emplace_back(kHomeFields[i].valueIndex, fieldValue(fields_[i]->text(), kHomeFields[i].scale));
  }
  return values;
}

void HomeScreen::storeFields() { loaded_.store(context_.app, context_.library, fieldValues()); }

bool HomeScreen::collectChanges() {
  const int index = slotIndex();
  if (index < 0) return false;
  storeFields();
  return slotUnsaved(context_.app, context_.library, index);
}

void HomeScreen::showSwitch() {
  const int index = slotIndex();
  if (index >= 0) onOff_->choose(context_.app.slotOff[index] ? 1 : 0);
}

std::string HomeScreen::nameLabelBytes() const {
  const auto bytes = toWindows1252(nameLabel_->text());
  if (bytes) return *bytes;
  const int index = slotIndex();
  return index >= 0 ? context_.app.slotNames[index] : std::string();
}

void HomeScreen::tick() {
  AppState& app = context_.app;
  if (!app.storedNotice) {
    if (noticeShown_) update(kNoticeArea);
    noticeShown_ = false;
    return;
  }
  if (!noticeShown_) {
    // The pad's answer arrived since the last tick: show the notice now.
    noticeShown_ = true;
    notStored_ = false;
    update(kNoticeArea);
  }
  if (++noticeTicks_ >= kNoticeTicks) {
    noticeTicks_ = 0;
    app.storedNotice = 0;
    noticeShown_ = false;
    update(kNoticeArea);
  }
}

void HomeScreen::paintEvent(QPaintEvent*) {
  context_.app.ScreenId = kHomeScreen;
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  painter.drawPixmap(QRect(0, 0, 1280, 720), context_.pictures.languagePicture(QLatin1String(kBackground)));
  const char* notice = context_.app.storedNotice ? kStoredNotice : notStored_ ? kNotStoredNotice : nullptr;
  if (notice) {
    painter.drawPixmap(kNoticeArea.topLeft(), context_.pictures.languagePicture(QLatin1String(notice)));
  }
}

void HomeScreen::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kHomeScreen;
  if (context_.app.resourceFolder != picturesFolder_) loadPictures();
  const int index = slotIndex();
  if (index >= 0) {
    selectedTab_ = index + 1;
    tabs_->choose(index);
  }
  loadSlot();
  QWidget::showEvent(event);
}

void HomeScreen::hideEvent(QHideEvent* event) {
  // What was typed stays the slot's edit, whichever screen comes next.
  if (slotIndex() >= 0) storeFields();
  notStored_ = false;
  QWidget::hideEvent(event);
}

}  // namespace ostrel
