#include "screens/ScreenLead.h"

#include <QWidget>

#include "profile/AppState.h"
#include "screens/ProfileScreen.h"
#include "screens/ScreenContext.h"
#include "screens/ScreenHost.h"

namespace ostrel {

void leadToScreen(QWidget& from, const ScreenContext& context, int32_t screen) {
  from.hide();
  if (ProfileScreen* next = context.host.screen(screen)) next->loadSlot();
  context.app.ScreenId = screen;
  context.host.showCurrentScreen();
}

}  // namespace ostrel
