// The download screen's server work: the list sequence and the Download walk,
// each server operation on the worker with its result handed back.

#include <QByteArray>
#include <QListWidgetItem>
#include <QMetaObject>

#include "controls/CheckList.h"
#include "library/LibraryFolders.h"
#include "library/SafeName.h"
#include "library/ProfileLibrary.h"
#include "online/OnlineWorker.h"
#include "online/ProfileServer.h"
#include "screens/WindowsText.h"
#include "screens/DownloadScreen.h"

namespace ostrel {

bool DownloadScreen::runOnline(std::function<int32_t()> operation,
                                                std::function<void(int32_t)> arrived) {
  const bool started = worker_->run<int32_t>(
      std::move(operation), [this, arrived = std::move(arrived)](int32_t result) {
        QMetaObject::invokeMethod(
            this,
            [this, arrived, result] {
              if (--inFlight_ == 0) unsetCursor();
              arrived(result);
            },
            Qt::QueuedConnection);
      });
  if (started && inFlight_++ == 0) setCursor(Qt::WaitCursor);
  return started;
}

void DownloadScreen::tick() {
  switch (downloadState_) {
    case kFetchList:
      if (!listRequested_) requestList();
      break;
    case kListFetched:
      context_.library.readDownloadList(kIndexFile);
      downloadState_ = kListRead;
      break;
    case kListNotFetched:
      // Nothing else tells the person: the list stays empty until Cancel.
      list_->show();
      timer_.stop();
      break;
    case kListRead:
      showNames();
      downloadState_ = kProfileFetched;
      timer_.stop();
      break;
    default:
      break;
  }
}

// Waits for the next tick while an operation from an earlier visit still runs.
void DownloadScreen::requestList() {
  const unsigned session = session_;
  listRequested_ = runOnline(
      [settings = context_.server.current(), base = context_.library.basePath] {
        return downloadProfileList(settings, base);
      },
      [this, session](int32_t result) { listFetched(session, result); });
}

void DownloadScreen::listFetched(unsigned session, int32_t result) {
  if (session != session_) return;
  downloadState_ = result;
  update();
}

// Names that could not be file names are left out: they could never be
// fetched into the library.
void DownloadScreen::showNames() {
  list_->clear();
  const ProfileLibrary& library = context_.library;
  for (int32_t i = 0; i < library.downloadCount; ++i) {
    const std::string& name = library.downloadNames[static_cast<std::size_t>(i)];
    if (!isSafeName(name)) continue;
    const int row = list_->addString(fromWindows1252(name));
    list_->item(row)->setData(Qt::UserRole, QByteArray::fromStdString(name));
  }
  list_->show();
  list_->redraw(false);
}

std::string DownloadScreen::nameAt(int index) const {
  return list_->item(index)->data(Qt::UserRole).toByteArray().toStdString();
}

void DownloadScreen::download() {
  if (animation_.finished() || walk_.walking()) return;
  const int passes = list_->count();
  animation_.start(static_cast<int32_t>(list_->selectedItems().size()));
  update(kStripPlace);
  walk_.start(passes);
  fetchNext();
}

void DownloadScreen::fetchNext() {
  const int index = walk_.next(list_->count(), [this](int i) { return list_->item(i)->isSelected(); });
  if (index < 0) return;
  const std::string name = nameAt(index);
  const unsigned session = session_;
  const bool started = runOnline(
      [settings = context_.server.current(), base = context_.library.basePath, name] {
        return downloadProfile(settings, base, name);
      },
      [this, session, name, index](int32_t result) { profileFetched(session, name, index, result); });
  if (!started) walk_.stop();
}

// The profile is registered whenever it arrived, even after the person left.
void DownloadScreen::profileFetched(unsigned session, const std::string& name,
                                                     int index, int32_t result) {
  if (result == kProfileFetched) context_.library.registerMakerProfile(name);
  if (session != session_) return;
  downloadState_ = result;
  if (result == kProfileFetched && index < list_->count() && nameAt(index) == name) {
    delete list_->takeItem(index);
    list_->refresh();
    animation_.profileArrived();
    keepAnimating();
  }
  fetchNext();
}

}  // namespace ostrel
