#pragma once
// The profile download screen: fetches the list of ready-made profiles the
// maker's server offers, shows it as a sorted list with a tick per row, and
// fetches the ticked profiles into the maker library, registering each in its
// index, while a progress strip follows the downloads and ends on a success
// picture.
//
// Every server operation runs on a worker thread; its result comes back to
// the user-interface thread as a queued call, so the screen keeps painting
// (with a busy cursor) and changes state only on its own thread. Each opening
// starts a new session: a result that arrives after Cancel or after the
// screen was opened again only registers a fetched profile in the library.
//
// User-interface thread only.

#include <QRect>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "online/DownloadAnimation.h"
#include "online/DownloadWalk.h"
#include "screens/ProfileScreen.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenContext.h"

class QPainter;

namespace ostrel {

class CheckList;
class OnlineWorker;

class DownloadScreen : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id).
  enum Control : int { kCancel = 1174, kDownload = 1176, kList = 1182 };

  // downloadState: the step of the list sequence, or how the last profile
  // download ended (the server operations return 2, 3, 6 and 7).
  enum State : int32_t { kFetchList = 0, kListRead = 4 };

  static constexpr int kTimerInterval = 10;  // ms, the list sequence
  static constexpr int kAnimationInterval = 10;  // ms, one strip step
  static constexpr QRect kListPlace{422, 145, 500, 437};
  static constexpr QRect kContactingPlace{423, 250, 499, 283};
  static constexpr QRect kStripPlace{422, 584, 368, 47};

  explicit DownloadScreen(const ScreenContext& context, QWidget* parent = nullptr);
  // Waits for a server operation in progress (bounded by its time-outs).
  ~DownloadScreen() override;

  // ProfileScreen: the screen is being opened.
  void loadSlot() override { startDownloadScreen(); }
  void reloadPictures() override;

  // Starts the list sequence from the beginning with an empty, hidden list.
  void startDownloadScreen();
  // The buttons' commands, callable directly.
  void download();
  void cancel();

  // One tick of the list sequence's timer.
  void tick();
  // One step of the progress strip.
  void animate();

  int32_t downloadState() const { return downloadState_; }
  const DownloadAnimation& animation() const { return animation_; }
  bool walking() const { return walk_.walking(); }
  const DownloadWalk& walk() const { return walk_; }
  // A server operation of this screen has not reported back yet.
  bool busy() const { return inFlight_ > 0; }
  const QTimer& timer() const { return timer_; }
  CheckList* list() const { return list_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildControls();
  void requestList();
  void listFetched(unsigned session, int32_t result);
  void showNames();
  void fetchNext();
  void profileFetched(unsigned session, const std::string& name, int index, int32_t result);
  void keepAnimating();
  bool runOnline(std::function<int32_t()> operation, std::function<void(int32_t)> arrived);
  std::string nameAt(int index) const;
  void paintStrip(QPainter& painter);

  ScreenContext context_;
  ScreenButtons buttons_;
  CheckList* list_ = nullptr;
  QTimer timer_;
  QTimer animationTimer_;
  DownloadAnimation animation_;
  DownloadWalk walk_;
  int32_t downloadState_ = kFetchList;
  unsigned session_ = 0;
  bool listRequested_ = false;
  int inFlight_ = 0;
  std::unique_ptr<OnlineWorker> worker_;
};

}  // namespace ostrel
