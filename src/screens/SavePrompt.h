#pragma once
// The save prompt: asks whether the current slot's changes are to be saved
// before the user leaves a screen or quits. saveReason (set by the screen
// that opened it) picks the background and where Yes and No continue:
// 0 Quit on the home screen, 1 Home on the stick screen, 2 Home on the button
// screen, 4 and 5 the home screen's doors to those two editors.
//
// User-interface thread only. No reverts every slot that holds the same
// profile, since they share its file.

#include <QWidget>

#include "screens/ProfileScreen.h"
#include "screens/ScreenButtons.h"
#include "screens/ScreenContext.h"

namespace ostrel {

class SavePrompt : public QWidget, public ProfileScreen {
  Q_OBJECT

 public:
  // Control ids (each control's objectName is its id).
  enum Control : int { kYes = 1184, kNo = 1186 };

  SavePrompt(const ScreenContext& context, QWidget* parent = nullptr);
  ~SavePrompt() override;

  void reloadPictures() override;

  // The buttons' commands, callable directly.
  void answerYes();
  void answerNo();

  // The background for a saveReason, nullptr for none.
  static const char* backgroundFor(int32_t saveReason);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void saveEverySlot(int index);
  void revertSameNamed(int index);
  void reloadScreen(int32_t screen);
  void openEditor(int index, int32_t screen, int32_t page);
  int slotIndex() const;

  ScreenContext context_;
  ScreenButtons buttons_;
};

}  // namespace ostrel
