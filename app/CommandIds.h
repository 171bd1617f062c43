#pragma once

// Command ids of the menu "IDR_MENU".
namespace command {
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 40030;
constexpr int FileSavePicture = 40033;
constexpr int AppExit = 57665;
// The page's "Загрузить с диска...": a file of the user's computer.
constexpr int FileLoadFromDisk = 41001;
// The framework's standard ids of the edit commands.
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;
constexpr int InsertLogicElement = 40006;
constexpr int InsertTrigger = 40004;
constexpr int InsertSummer = 40005;
constexpr int InsertEntrSignal = 40007;
constexpr int InsertGenerator = 40021;
constexpr int InsertIndicator = 40022;
constexpr int PowerOn = 40026;
constexpr int PowerOff = 40027;
constexpr int GeneratorStart = 40031;
constexpr int GeneratorStop = 40032;
constexpr int HelpAbout = 40001;
constexpr int HelpNote = 57670;
}  // namespace command

// Timer ids of the main window.
namespace timer {
constexpr int GeneratorClock = 1;
constexpr int GeneratorClockMs = 100;
constexpr int Autosave = 100;
constexpr int AutosaveMs = 15000;
}  // namespace timer
