#include "screens/StickScreen.h"

#include <QLabel>

#include "controls/PictureComboBox.h"
#include "controls/ImageButton.h"
#include "controls/WindowsFont.h"
#include "pictures/PictureCatalog.h"
#include "profile/AppState.h"
#include "screens/ChosenButtons.h"
#include "screens/FieldSpinner.h"
#include "screens/ScreenButtons.h"
#include "screens/StickField.h"
#include "screens/StickKeyFilter.h"
#include "screens/StickLayout.h"
#include "screens/StickPicture.h"
#include "screens/StickValues.h"

namespace ostrel {
namespace {

using namespace StickLayout;

static_assert(std::size(kHelpSquares) == StickScreen::kHelpPoints);

struct ButtonPlace {
  int id;
  const char* picture;
  QPoint place;
};

constexpr ButtonPlace kButtons[] = {
    {StickScreen::kProfile1Tab, "profile1-uk.png", {0, 0}},
    {StickScreen::kProfile2Tab, "profile2-uk.png", {0, 135}},
    {StickScreen::kProfile3Tab, "profile3-uk.png", {0, 270}},
    {StickScreen::kProfile4Tab, "profile4-uk.png", {0, 405}},
    {StickScreen::kGeneralTab, "General-uk.png", {0, 540}},
    {StickScreen::kHome, "home.png", {1185, 647}},
    {StickScreen::kZoneReset, "Screen5/reset.png", {1045, 494}},
    {StickScreen::kSave, "Screen5/save.png", {1045, 546}},
    {StickScreen::kDeadZoneReset, "Screen4/reset1.png", {63, 659}},
    {StickScreen::kSmallLock, "Screen4/lock.png", {684, 291}},
    {StickScreen::kMediumLock, "Screen4/lock.png", {934, 291}},
    {StickScreen::kBigLock, "Screen4/lock.png", {1183, 291}},
};

}  // namespace

StickScreen::StickScreen(const ScreenContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
  setObjectName(QStringLiteral("StickScreen"));
  resize(1280, 720);
  setAttribute(Qt::WA_OpaquePaintEvent);
  // Pointer moves without a button pressed drive the help pictures.
  setMouseTracking(true);
  buildButtons();
  buildLabels();
  buildFields();
  buildLists();
  connectCommands();
  auto* keys = new StickKeyFilter([this] { return context_.app.currentKeyboardLayout(); },
                                  [this] { rejectNext_ = true; }, this);
  keys->installOn(this);

  showZones();
  connect(&timer_, &QTimer::timeout, this, &StickScreen::tick);
  timer_.start(kTimerInterval);
  loadStickScreen();
}

StickScreen::~StickScreen() = default;

void StickScreen::buildButtons() {
  buttons_ = std::make_unique<ScreenButtons>(context_.pictures, this);
  for (const ButtonPlace& b : kButtons) buttons_->add(b.id, b.picture, b.place);
  buttons_->loadPictures(context_.app.resourceFolder);
  tabs_ = new ChosenButtons(this);
  for (int id : {kProfile1Tab, kProfile2Tab, kProfile3Tab, kProfile4Tab, kGeneralTab}) {
    tabs_->add(buttons_->at(id));
  }
  locks_ = new ChosenButtons(this);
  for (int id : {kSmallLock, kMediumLock, kBigLock}) locks_->add(buttons_->at(id));
}

void StickScreen::buildLabels() {
  const QFont font = windowsFont(QStringLiteral("Arial"), 23);
  nameLabel_ = new QLabel(this);
  nameLabel_->setTextFormat(Qt::PlainText);  // a name is text, never markup
  nameLabel_->setObjectName(QString::number(kNameLabel));
  nameLabel_->setGeometry(135, 24, 220, 30);
  nameLabel_->setFont(font);
  nameLabel_->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
  nameLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  const int labelIds[] = {kSmallLabel, kMediumLabel, kBigLabel};
  const int upDownIds[] = {kSmallUpDown, kMediumUpDown, kBigUpDown};
  for (int zone = 0; zone < StickZones::kCount; ++zone) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::number(labelIds[zone]));
    label->setGeometry(kWidthLabelX[zone], 102, 48, 30);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    label->setAlignment(Qt::AlignCenter);
    widthLabels_[static_cast<std::size_t>(zone)] = label;
    auto* upDown = new FieldSpinner(this);
    upDown->setObjectName(QString::number(upDownIds[zone]));
    upDown->setGeometry(kWidthUpDownX[zone], 102, 30, 30);
    connect(upDown, &FieldSpinner::stepped, this,
            [this, zone](int delta) { stepZone(zone, delta); });
  }
  for (int point = 0; point < kHelpPoints; ++point) {
    // The help points are places, not controls: hidden, they only mark squares.
    auto* square = new QWidget(this);
    square->setObjectName(QString::number(kFirstHelpPoint + point));
    square->setGeometry(QRect(kHelpSquares[point], QSize(kHelpSquare, kHelpSquare)));
    square->hide();
    helpPoints_[static_cast<std::size_t>(point)] = square;
  }
}

void StickScreen::buildFields() {
  const QFont font = windowsFont(QStringLiteral("Arial"), 23);
  using K = StickField::Kind;
  const struct {
    int id;
    K kind;
    QRect place;
    int upDownId;
    QPoint upDown;
    const char* start;
  } fields[] = {
      {kStaticField, K::StaticDeadZone, {272, 146, 85, 27}, kStaticUpDown, {357, 145}, "40"},
      {kDynamicField, K::DynamicDeadZone, {272, 247, 85, 27}, kDynamicUpDown, {357, 246}, "60"},
      {kSensitivity1, K::Sensitivity, {152, 429, 60, 27}, kSensitivity1UpDown, {212, 428}, "1"},
      {kSensitivity2, K::Sensitivity, {299, 429, 60, 27}, kSensitivity2UpDown, {359, 428}, "1"},
  };
  std::array<StickField*, 4> made{};
  for (std::size_t i = 0; i < made.size(); ++i) {
    const auto& f = fields[i];
    auto* field = new StickField(f.kind, rejectNext_, this);
    field->setObjectName(QString::number(f.id));
    field->setGeometry(f.place);
    field->setFont(font);
    field->setAlignment(Qt::AlignCenter);
    field->setFrame(false);
    field->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    field->load(QString::fromLatin1(f.start));
    auto* upDown = new FieldSpinner(this);
    upDown->setObjectName(QString::number(f.upDownId));
    upDown->setGeometry(QRect(f.upDown, QSize(30, 30)));
    connect(upDown, &FieldSpinner::stepped, field, &StickField::step);
    made[i] = field;
  }
  staticField_ = made[0];
  dynamicField_ = made[1];
  sensitivities_ = {made[2], made[3]};
  for (StickField* deadZone : {staticField_, dynamicField_}) {
    connect(deadZone, &StickField::settled, this, [this] { update(StickPicture::kCircleArea); });
  }
}

void StickScreen::buildLists() {
  const auto make = [this](int id, QRect place, const QStringList& items) {
    auto* list = new PictureComboBox(context_.pictures, this);
    list->setObjectName(QString::number(id));
    list->setGeometry(place);
    list->setFaceBitmaps({}, {},
                         QStringLiteral("res/") +
                             QLatin1String(kComboArrowPicture.data(), kComboArrowPicture.size()));
    list->addItems(items);
    list->setCurrentIndex(0);
    return list;
  };
  QStringList latency;
  for (int ms : kLatencyItemsMs) latency << QStringLiteral("%1 ms").arg(ms);
  QStringList levels;
  for (std::size_t level = 1; level <= kThresholdItemValues.size(); ++level) {
    levels << QStringLiteral("Level %1").arg(level);
  }
  // The face is one row high; the open list drops below it.
  latencyList_ = make(kLatencyList, {267, 287, 119, 30}, latency);
  thresholdList_ = make(kThresholdList, {267, 328, 119, 30}, levels);
  setListsEnabled(true);
}

void StickScreen::setListsEnabled(bool enabled) {
  listsEnabled_ = enabled ? 1 : 0;
  const QColor focusBack(80, 168, 169);
  const QColor back = enabled ? QColor(Qt::white) : QColor(204, 204, 204);
  const QColor text = enabled ? QColor(Qt::black) : QColor(153, 153, 153);
  for (PictureComboBox* list : {latencyList_, thresholdList_}) {
    list->setEnabled(enabled);
    list->setColours(focusBack, Qt::black, back, text);
  }
}

void StickScreen::tick() {
  const bool enabled = dynamicField_->number() != 0;
  if (listsEnabled_ != (enabled ? 1 : 0)) setListsEnabled(enabled);
}

void StickScreen::reloadPictures() { buttons_->followFolder(context_.app.resourceFolder); }

int StickScreen::slotIndex() const {
  const int slot = context_.app.currentSlot;
  return slot >= 1 && slot <= kSlotCount ? slot - 1 : -1;
}

std::string StickScreen::slotName() const {
  const int index = slotIndex();
  return index >= 0 ? context_.app.slotNames[static_cast<std::size_t>(index)] : std::string();
}

void StickScreen::showEvent(QShowEvent* event) {
  context_.app.ScreenId = kStickScreen;
  reloadPictures();
  followSlot();
  QWidget::showEvent(event);
}

}  // namespace ostrel
