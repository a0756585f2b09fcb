#pragma once

namespace shell {

class Application;

// The busy pointer, one for the whole program. EndWait ends any number of
// BeginWait calls.
void BeginWait(Application& app);
void EndWait(Application& app);

// Wait until the clock has moved on by one or two seconds, processing no
// window events meanwhile.
void PauseOneSecond(Application& app);
void PauseTwoSeconds(Application& app);

// The message shown when a chosen colour would clash with the text colours.
void ShowColorConflict(Application& app);

// Asks for the family name, stores it and sets FamilyName.
void AskFamilyName(Application& app);

}  // namespace shell
