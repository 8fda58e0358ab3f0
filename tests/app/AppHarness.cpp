#include "AppHarness.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTest>

#include "controls/ImageButton.h"
#include "link/ControllerLink.h"

namespace ostrel::test {

AppHarness::AppHarness() = default;

AppHarness::~AppHarness() {
  app_.reset();
  rig.unplug();
}

QString AppHarness::resourceRoot() { return QCoreApplication::applicationDirPath(); }

Application& AppHarness::make(const std::function<bool()>& claimInstance) {
  const std::string program =
      programFolderOverride.empty() ? programFolder().toStdString() : programFolderOverride;
  app_ = std::make_unique<Application>(Application::Environment{
      hidOverride ? *hidOverride : pad, sleeper, shellOverride ? *shellOverride : shell, claimInstance, program, std::string(), resourceRoot(), &timer,
      startSockets, server, &rig.bus(), &dfuClock});
  return *app_;
}

bool AppHarness::start() {
  if (!app_) make();
  if (!app_->start()) return false;
  // The tests begin where a person would: the first screen drawn and the
  // start-up work after it done.
  EXPECT_TRUE(waitFor([this] { return app_->startupFinished(); }));
  return true;
}

ProfileContainer& AppHarness::container() {
  ProfileContainer* profile = window().container();
  if (!profile) throw std::logic_error("the profile container is not open");
  return *profile;
}

int32_t AppHarness::shownScreen() {
  int32_t shown = 0;
  for (int32_t screen = 1; screen <= ProfileContainer::kScreenCount; ++screen) {
    QWidget* widget = container().page(screen);
    if (widget && widget->isVisible()) shown = shown ? -1 : screen;
  }
  return shown;
}

void AppHarness::plug(bool answers) {
  pad.setRequestFilter([answers](const Report&) { return answers; });
  pad.plug();
  EXPECT_TRUE(waitFor([this] { return state().LinkState == kPadConnected; }));
}

void AppHarness::unplug() {
  pad.unplug();
  EXPECT_TRUE(waitFor([this] { return state().LinkState == kNoPad && timer.armed(); }));
}

bool AppHarness::waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }

void AppHarness::click(QWidget& screen, int id) {
  QWidget* target = control(screen, id);
  ASSERT_NE(target, nullptr) << "no control " << id;
  ASSERT_TRUE(target->isVisible()) << "control " << id << " is hidden";
  QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

QImage ownPainting(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  widget.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  return image;
}

QImage composed(const QStringList& fullWindow, const QString& picture, QRect place) {
  QImage image(1280, 720, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  QPainter painter(&image);
  const QString root = AppHarness::resourceRoot() + "/";
  for (const QString& name : fullWindow) {
    painter.drawPixmap(QRect(0, 0, 1280, 720), QPixmap::fromImage(QImage(root + name)));
  }
  if (!picture.isEmpty()) painter.drawPixmap(place, QPixmap::fromImage(QImage(root + picture)));
  return image;
}

bool showsPicture(QWidget* button, const QString& picture) {
  auto* image = qobject_cast<ImageButton*>(button);
  const QImage whole(AppHarness::resourceRoot() + "/" + picture);
  if (!image || whole.isNull()) return false;
  const QImage frame = whole.copy(0, 0, image->width(), image->height()).convertToFormat(QImage::Format_ARGB32);
  return image->renderImage().convertToFormat(QImage::Format_ARGB32) == frame;
}

int differingPixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height();
  const QImage left = a.convertToFormat(QImage::Format_RGB32);
  const QImage right = b.convertToFormat(QImage::Format_RGB32);
  int count = 0;
  for (int y = 0; y < left.height(); ++y) {
    const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
    const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
    for (int x = 0; x < left.width(); ++x) count += l[x] != r[x];
  }
  return count;
}

}  // namespace ostrel::test
