#include <gif_lib.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "cases/CasePicture.h"
#include "cases/TopView.h"

namespace kestive {
namespace {

namespace fs = std::filesystem;

const Rgb kWhite{255, 255, 255};
const Rgb kYellow{255, 213, 0};
const Rgb kGrey{110, 110, 110};

struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Reads the first image of a GIF file with giflib into plain colours.
::testing::AssertionResult decodeGif(const fs::path& path, Decoded& out) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr) {
        return ::testing::AssertionFailure() << path << ": " << GifErrorString(error);
    }
    ::testing::AssertionResult result = ::testing::AssertionSuccess();
    if (DGifSlurp(gif) == GIF_ERROR || gif->ImageCount < 1) {
        result = ::testing::AssertionFailure() << path << ": no image";
    } else {
        const SavedImage& image = gif->SavedImages[0];
        const GifImageDesc& desc = image.ImageDesc;
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        if (map == nullptr || desc.Left != 0 || desc.Top != 0 || desc.Width != gif->SWidth || desc.Height != gif->SHeight) {
            result = ::testing::AssertionFailure() << path << ": the image does not cover the picture";
        } else {
            out.width = gif->SWidth;
            out.height = gif->SHeight;
            out.pixels.clear();
            for (int i = 0; i < out.width * out.height; ++i) {
                const int index = image.RasterBits[i];
                if (index >= map->ColorCount) {
                    result = ::testing::AssertionFailure() << path << ": colour " << index << " outside the palette";
                    break;
                }
                const GifColorType c = map->Colors[index];
                out.pixels.push_back(Rgb{c.Red, c.Green, c.Blue});
            }
        }
    }
    DGifCloseFile(gif, &error);
    return result;
}

// Every sticker centre and bar centre of the picture against the case's top view.
void expectShows(const Decoded& picture, const TopView& view, int number) {
    const int centre[3] = {19, 40, 61};
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            EXPECT_EQ(picture.at(centre[j], centre[i]), view.up[i * 3 + j] ? kYellow : kGrey)
                << "case " << number << " sticker row " << i << " column " << j;
        }
        // A bar is six pixels thick: 2..7 or 73..78; its middle lies between 4 and 5, or 75 and 76.
        for (int across : {4, 5}) {
            EXPECT_EQ(picture.at(centre[i], across), view.back[i] ? kYellow : kWhite) << "case " << number << " back " << i;
            EXPECT_EQ(picture.at(across, centre[i]), view.left[i] ? kYellow : kWhite) << "case " << number << " left " << i;
        }
        for (int across : {75, 76}) {
            EXPECT_EQ(picture.at(centre[i], across), view.front[i] ? kYellow : kWhite) << "case " << number << " front " << i;
            EXPECT_EQ(picture.at(across, centre[i]), view.right[i] ? kYellow : kWhite) << "case " << number << " right " << i;
        }
    }
}

class CasePictureFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("kestive-casepics-test-" + std::to_string(random()));
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static int runTool(const std::string& arguments) {
        const std::string command = std::string("'") + KESTIVE_CASEPICS_TOOL + "' " + arguments + " 2>/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string quoted(const fs::path& path) const { return "'" + path.string() + "'"; }

    fs::path folder_;
};

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(CasePictureFiles, ToolWrites57PicturesThatShowTheirCases) {
    const fs::path out = folder_ / "nested" / "cases";  // missing folders are made
    ASSERT_EQ(runTool(quoted(out)), 0);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(out)) {
        ++files;
    }
    EXPECT_EQ(files, 57) << "only the 57 pictures, no partial files";
    for (int pll = 0; pll < 57; ++pll) {
        const fs::path file = out / casePictureFileName(pll);
        Decoded picture;
        ASSERT_TRUE(decodeGif(file, picture));
        ASSERT_EQ(picture.width, 81) << file;
        ASSERT_EQ(picture.height, 81) << file;
        EXPECT_EQ(picture.at(0, 0), kWhite);
        EXPECT_EQ(picture.at(80, 80), kWhite);
        EXPECT_EQ(picture.at(9, 9), (Rgb{0, 0, 0}));
        expectShows(picture, ollCaseView(pll), pll + 1);
    }
}

TEST_F(CasePictureFiles, ToolReplacesOldPicturesInItsOwnFolder) {
    fs::create_directories(folder_);
    std::ofstream(folder_ / "oll27print.gif") << "not a picture";
    ASSERT_EQ(runTool(quoted(folder_)), 0);
    Decoded picture;
    ASSERT_TRUE(decodeGif(folder_ / "oll27print.gif", picture));
    expectShows(picture, ollCaseView(26), 27);
}

TEST_F(CasePictureFiles, ToolRefusesWrongUse) {
    EXPECT_EQ(runTool(""), 2);
    EXPECT_EQ(runTool("a b"), 2);
    fs::create_directories(folder_);
    std::ofstream(folder_ / "file") << "x";
    EXPECT_EQ(runTool(quoted(folder_ / "file")), 1);
}

TEST_F(CasePictureFiles, TheBuildHoldsAFreshSet) {
    const fs::path built = KESTIVE_BUILT_PICTURES_DIR;
    ASSERT_EQ(runTool(quoted(folder_)), 0);
    for (int pll = 0; pll < 57; ++pll) {
        const std::string name = casePictureFileName(pll);
        ASSERT_TRUE(fs::exists(built / name)) << built / name << " was not made by the build";
        EXPECT_EQ(contents(built / name), contents(folder_ / name)) << name << " is stale";
    }
}

}  // namespace
}  // namespace kestive
