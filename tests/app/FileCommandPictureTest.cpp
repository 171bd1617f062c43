#include "FileCommandTestFixture.h"
#include "app/FileMessages.h"
#include "app/PictureNames.h"
#include "render/PictureArea.h"

namespace {

using platform::PictureFormat;

TEST(PictureNames, TheEndingPicksTheFormatAndAnyOtherNameBecomesAPng) {
    const std::vector<std::tuple<std::string, std::string, PictureFormat>> cases{
        {"lab1", "lab1.png", PictureFormat::Png},
        {"lab1.svg", "lab1.svg", PictureFormat::Svg},
        {"Lab1.PDF", "Lab1.PDF", PictureFormat::Pdf},
        {"lab1.vrt", "lab1.vrt.png", PictureFormat::Png},
        {"v1.2/lab", "v1.2/lab.png", PictureFormat::Png},
        {"схема.Png", "схема.Png", PictureFormat::Png},
    };
    for (const auto& [typed, fileName, format] : cases) {
        const app::PictureName name = app::pictureName(typed);
        EXPECT_EQ(name.fileName, fileName) << typed;
        EXPECT_EQ(name.format, format) << typed;
    }
    EXPECT_EQ(app::proposedPictureName("lab/half.vrt"), "lab/half.png");
    EXPECT_EQ(app::proposedPictureName("half"), "half.png");
    EXPECT_EQ(app::proposedPictureName(""), "");
}

using FileCommandPicture = FileCommandTest;

TEST_F(FileCommandPicture, AsksANameWritesThroughTheDesktopAndReportsAFailureAsASave) {
    buildSampleCircuit();
    currentFileName = "lab/half.vrt";
    shell.fileNameAnswers = {"half.svg", "half.svg", "half.svg", "half"};
    shell.pictureAnswers = {true, true, false};
    shell.warningAnswers = {false, true};

    app::fileSavePicture(context(), true);
    ASSERT_EQ(shell.fileNameCalls.size(), 1u);
    EXPECT_EQ(shell.fileNameCalls[0].label, app::text::kLabelPicture);
    EXPECT_EQ(shell.fileNameCalls[0].preset, "lab/half.png");
    ASSERT_EQ(shell.pictureRequests.size(), 1u);
    const platform::PictureRequest& request = shell.pictureRequests[0];
    EXPECT_EQ(request.fileName, "half.svg");
    EXPECT_EQ(request.format, PictureFormat::Svg);
    EXPECT_EQ(request.area, render::pictureArea(circuit));
    EXPECT_EQ(request.title, "half.vrt");

    // The name now exists: refused, nothing written; then confirmed and written.
    app::fileSavePicture(context(), true);
    EXPECT_EQ(shell.pictureRequests.size(), 1u);
    app::fileSavePicture(context(), true);
    EXPECT_EQ(shell.warnings,
              (std::vector<std::vector<std::string>>{existingFileWarning("half.svg"),
                                                     existingFileWarning("half.svg")}));
    EXPECT_EQ(shell.pictureRequests.size(), 2u);
    EXPECT_TRUE(shell.messageBoxes.empty());

    // A picture that cannot be written leaves no empty file behind and says so.
    app::fileSavePicture(context(), true);
    ASSERT_EQ(shell.messageBoxes.size(), 1u);
    EXPECT_EQ(shell.messageBoxes[0].text, "Не удалось записать файл half.png!");
    EXPECT_EQ(shell.messageBoxes[0].caption, "Ошибка");
    EXPECT_FALSE(fileBytes("half.png"));
    EXPECT_EQ(currentFileName, "lab/half.vrt");
    EXPECT_EQ(shell.unanswered, 0);
}

}  // namespace
