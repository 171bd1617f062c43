#pragma once

#include "model/ElementKinds.h"

// Command ids of the menu "IDR_MENU"; the insert commands' are the kinds'.
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
constexpr int EditCut = 57635;
constexpr int EditCopy = 57634;
constexpr int EditPaste = 57637;
constexpr int EditDelete = 57632;
constexpr int EditSelectAll = 57642;
// Escape, and the arrow keys that move the chosen elements a grid step.
constexpr int EditCancel = 41301;
constexpr int EditMoveLeft = 41302;
constexpr int EditMoveRight = 41303;
constexpr int EditMoveUp = 41304;
constexpr int EditMoveDown = 41305;
// The "В&ид" menu's zoom commands.
constexpr int ViewZoomIn = 41101;
constexpr int ViewZoomOut = 41102;
constexpr int ViewZoomNatural = 41103;
constexpr int InsertLogicElement = kindInfo(LogicElement).insertCommand;
constexpr int InsertTrigger = kindInfo(Trigger).insertCommand;
constexpr int InsertSummer = kindInfo(Summer).insertCommand;
constexpr int InsertEntrSignal = kindInfo(EntrSignal).insertCommand;
constexpr int InsertGenerator = kindInfo(GTI).insertCommand;
constexpr int InsertIndicator = kindInfo(Indicator).insertCommand;
constexpr int PowerOn = 40026;
constexpr int PowerOff = 40027;
constexpr int GeneratorStart = 40031;
constexpr int GeneratorStop = 40032;
// Settling by hand: now, after every trigger is reset, and one generator tick.
constexpr int PowerSettle = 41201;
constexpr int PowerResetTriggers = 41202;
constexpr int GeneratorTick = 41203;
// The "Вид" menu's check items.
constexpr int ViewSettleAfterChange = 41211;
constexpr int ViewWireLevels = 41212;
// The "&Анализ" menu: windows on what the circuit computes.
constexpr int AnalysisFunctions = 41020;
constexpr int AnalysisAutomaton = 41021;
constexpr int AnalysisCheckByTable = 41022;
// Shows or hides the timing diagram's panel under the work area.
constexpr int AnalysisTimingDiagram = 41030;
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
