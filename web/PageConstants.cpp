#include "web/PageConstants.h"

#include "analysis/AnalysisTexts.h"
#include "analysis/FunctionTexts.h"
#include "app/CommandIds.h"
#include "app/FileMessages.h"
#include "io/Recovery.h"
#include "model/ElementParams.h"
#include "model/PinChoiceLayout.h"
#include "platform/DialogTexts.h"
#include "platform/ProgramName.h"
#include "platform/Shell.h"
#include "render/Scrolling.h"
#include "web/ConstantsModule.h"
#include "web/DiskFiles.h"
#include "web/MouseMessages.h"
#include "web/PageTexts.h"

// Each line names a constant of the core for the page's script: a constant is added
// by adding its line to the table it belongs to (or a table with its lines). The
// page's type check fails on a name used there that is not here.
namespace web {

namespace {

void addCalls(ConstantsModule& module) {
    module.table("command")
        .add("AppExit", command::AppExit)
        .add("EditPaste", command::EditPaste)
        .add("LoadFromDisk", command::FileLoadFromDisk)
        .add("AnalysisFunctions", command::AnalysisFunctions)
        .add("SaveToDisk", kCommandSaveToDisk);
    module.table("timer")
        .add("GeneratorClock", timer::GeneratorClock)
        .add("Autosave", timer::Autosave);
    module.table("mouse")
        .add("Move", Move)
        .add("LeftDown", LeftDown)
        .add("LeftUp", LeftUp)
        .add("LeftDoubleClick", LeftDoubleClick)
        .add("RightDown", RightDown)
        .add("Leave", Leave);
    module.table("keyState")
        .add("LeftButton", static_cast<int>(platform::MK_LBUTTON))
        .add("Shift", static_cast<int>(platform::MK_SHIFT))
        .add("Control", static_cast<int>(platform::MK_CONTROL));
    module.table("scroll")
        .add("LineUp", render::LineUp)
        .add("LineDown", render::LineDown)
        .add("PageUp", render::PageUp)
        .add("PageDown", render::PageDown)
        .add("ThumbPosition", render::ThumbPosition)
        .add("ThumbTrack", render::ThumbTrack)
        .add("EndScroll", render::EndScroll);
    module.table("scrollBar")
        .add("Vertical", static_cast<int>(platform::ScrollBarId::Vertical))
        .add("Horizontal", static_cast<int>(platform::ScrollBarId::Horizontal));
    module.table("control")
        .add("VerticalBar", static_cast<int>(platform::ControlId::VerticalBar))
        .add("HorizontalBar", static_cast<int>(platform::ControlId::HorizontalBar))
        .add("CornerButton", static_cast<int>(platform::ControlId::CornerButton));
}

// Where the pin choice puts the magnified element and how large its buttons are;
// the core sends each button's corner with the request.
void addPinChoiceLayout(ConstantsModule& module) {
    module.table("pinChoice")
        .add("pictureLeft", kPinChoiceLayout.pictureOrigin.x)
        .add("pictureTop", kPinChoiceLayout.pictureOrigin.y)
        .add("magnification", kPinChoiceLayout.magnification)
        .add("buttonSize", kPinChoiceLayout.buttonSize);
}

void addLimits(ConstantsModule& module) {
    module.table("limits")
        .add("inputCount", limits::kInputCount)
        .add("period", limits::kPeriod)
        .add("duty", limits::kDuty)
        .add("delay", limits::kDelay);
}

void addDialogTexts(ConstantsModule::Table& texts) {
    using namespace platform::text;
    texts.add("Ok", Ok)
        .add("Cancel", Cancel)
        .add("Continue", Continue)
        .add("Refuse", Refuse)
        .add("LogicElementTitle", LogicElementTitle)
        .add("InputCount", InputCount)
        .add("InputRange", InputRange)
        .add("InvertedOutput", InvertedOutput)
        .add("Conjunctor", Conjunctor)
        .add("Disjunctor", Disjunctor)
        .add("DeleteTitle", DeleteTitle)
        .add("DeleteQuestion", DeleteQuestion)
        .add("QuestionTitle", QuestionTitle)
        .add("GeneratorTitle", GeneratorTitle)
        .add("PulseParameters", PulseParameters)
        .add("Period", Period)
        .add("Duty", Duty)
        .add("Delay", Delay)
        .add("FileNameTitle", FileNameTitle)
        .add("WarningTitle", WarningTitle)
        .add("SaveChangesQuestion", SaveChangesQuestion)
        .add("SaveChanges", SaveChanges)
        .add("DontSaveChanges", DontSaveChanges)
        .add("CancelClosing", CancelClosing)
        .add("PinChoiceTitle", PinChoiceTitle)
        .add("PinChoiceQuestion", PinChoiceQuestion)
        .add("AboutTitle", AboutTitle)
        .add("AboutDeveloperRole", AboutDeveloperRole)
        .add("AboutDeveloperGroup", AboutDeveloperGroup)
        .add("AboutDeveloperName", AboutDeveloperName)
        .add("AboutAssistantRole", AboutAssistantRole)
        .add("AboutAssistantGroup", AboutAssistantGroup)
        .add("AboutAssistantName", AboutAssistantName)
        .add("AboutThanksHeading", AboutThanksHeading)
        .add("AboutTeacher1", AboutTeacher1)
        .add("AboutTeacher2", AboutTeacher2)
        .add("AboutTeacher3", AboutTeacher3)
        .add("AboutTeacher4", AboutTeacher4)
        .add("AboutTeacher5", AboutTeacher5)
        .add("AboutInitiator", AboutInitiator)
        .add("AboutPlaceAndYear", AboutPlaceAndYear)
        .add("HelpNoteTitle", HelpNoteTitle)
        .add("HelpNoteText", HelpNoteText)
        .add("EnterInteger", EnterInteger)
        .add("EnterIntegerInRange", EnterIntegerInRange)
        .add("EnterNumber", EnterNumber)
        .add("EnterNumberInRange", EnterNumberInRange)
        .add("EnterFileName", EnterFileName)
        .add("EnterShorterFileName", EnterShorterFileName);
}

void addTexts(ConstantsModule& module) {
    ConstantsModule::Table& texts = module.table("texts");
    addDialogTexts(texts);
    texts.add("ErrorCaption", platform::kErrorCaption)
        .add("FileNotWritten", app::text::kFileNotWritten)
        .add("RecoveryFileName", io::kRecoveryFileName)
        .add("ProgramEnded", text::kProgramEnded)
        .add("OpenInAnotherTab", text::kOpenInAnotherTab)
        .add("StartsWhenOtherTabCloses", text::kStartsWhenOtherTabCloses)
        .add("StartHere", text::kStartHere)
        .add("Restart", text::kRestart)
        .add("StorageMayBeCleared", text::kStorageMayBeCleared)
        .add("RecoveryUnwritten", text::kRecoveryUnwritten)
        .add("DefaultCaption", text::kDefaultCaption)
        .add("ProgramName", platform::kProgramName);
}

// What the analysis panels say: the core's texts for its functions, and the panels' own.
void addAnalysisTexts(ConstantsModule& module) {
    namespace analysed = analysis::texts;
    module.table("analysisTexts")
        .add("FunctionsTitle", text::kFunctionsTitle)
        .add("AutomatonTitle", text::kAutomatonTitle)
        .add("SavePicture", text::kSavePicture)
        .add("Close", text::kClosePanel)
        .add("Computing", text::kComputing)
        .add("Letters", text::kLetters)
        .add("AllStates", text::kAllStates)
        .add("NoGraph", text::kNoGraph)
        .add("NoMap", text::kNoMap)
        .add("OpenFunctions", text::kOpenFunctions)
        .add("VariablesHeading", analysed::kVariablesHeading)
        .add("InputsNote", analysed::kInputsNote)
        .add("TriggersNote", analysed::kTriggersNote)
        .add("GatesNote", analysed::kGatesNote)
        .add("OutputsNote", analysed::kOutputsNote)
        .add("FreeOutputsNote", analysed::kFreeOutputsNote)
        .add("NoFunctions", analysed::kNoFunctions)
        .add("TableHeading", analysed::kTableHeading)
        .add("Constant", analysed::kConstant)
        .add("Dnf", analysed::kDnf)
        .add("Cnf", analysed::kCnf)
        .add("NotNecessarilyMinimal", analysed::kNotNecessarilyMinimal)
        .add("Not", analysed::kNot)
        .add("And", analysed::kAnd)
        .add("Or", analysed::kOr);
}

// The pin-choice dialog's layout belongs here too, once the element kinds' own
// descriptions hold it: a table of its own, built from them.

}  // namespace

std::string pageConstants() {
    ConstantsModule module;
    addCalls(module);
    addLimits(module);
    addPinChoiceLayout(module);
    addTexts(module);
    addAnalysisTexts(module);
    return module.str();
}

}  // namespace web
