#pragma once
// The name screen (new, rename and both warnings) and the save prompt (from
// the home screen's Quit, the stick screen's Home and the button screen's
// Home), each reached the way the user reaches it.

namespace ostrel {

class ScreenshotRun;

void nameScreenShots(ScreenshotRun& run);
void savePromptShots(ScreenshotRun& run);

}  // namespace ostrel
