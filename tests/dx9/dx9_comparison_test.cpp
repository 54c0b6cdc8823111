// The precision probe, the multiply pass and the read-back forms.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "d3d9/d3dx_internal.h"
#include "dx9/dx9_gpgpu.h"
#include "dx9_fixture.h"
#include "report/globals.h"

namespace {

// Distance in units in the last place between two floats of equal sign.
double UlpDistance(float got, float want)
{
    return std::fabs(static_cast<double>(got) - want) / (std::nextafter(std::fabs(want), INFINITY) - std::fabs(want));
}

}  // namespace

// At each of the six scales of the comparison the card stores the operands
// exactly and forms their quotient to within 2.5 units in the last place of
// the correctly rounded one, on the smallest matrix and on a larger one.
TEST_F(Dx9Test, ProbeHoldsOperandsAndQuotient)
{
    for (auto [width, height] : {std::pair{4, 1}, std::pair{7, 3}}) {
        double a = 30.0;
        double b = 65.0;
        for (int scale = 0; scale < 6; ++scale) {
            SCOPED_TRACE(testing::Message() << width << "x" << height << " scale " << scale);
            WriteInput(width, height, std::vector<float>(static_cast<size_t>(width) * height, 5.0f));
            std::fclose(std::fopen(fileNameOut, "w"));
            DX9gpgpu gpu;
            gpu.InitDirect3D(hWnd);
            gpu.InputDataTest(fileNameIn, a, b);
            gpu.RenderTest(width, height);
            gpu.OutputData(fileNameOut, "%.20f");

            const std::vector<double> got = Values(ReportLines().at(0));
            ASSERT_EQ(got.size(), 4u);
            const float af = static_cast<float>(a);
            const float bf = static_cast<float>(b);
            const float quotient = static_cast<float>(static_cast<double>(af) / bf);
            EXPECT_EQ(static_cast<float>(got[0]), af);
            EXPECT_EQ(static_cast<float>(got[1]), bf);
            EXPECT_LE(UlpDistance(static_cast<float>(got[2]), quotient), 2.5);
            EXPECT_LE(UlpDistance(static_cast<float>(got[3]), quotient), 2.5);
            a = a / 10.0;
            b = b / 10.0;
        }
    }
}

// Every RenderMulMat multiplies the matrix it finds: after ReloadData the
// input, without it the previous product. Narrow matrices print every column.
TEST_F(Dx9Test, MulMatScalesTheCurrentMatrix)
{
    struct Shape {
        int width, height;
        std::vector<float> values;
        std::string tripled, ninefold;
    };
    const std::vector<Shape> shapes = {
        {5, 2, {1, 2, 3, 4, 5, 6, 7, 8, 9, 1001}, "21.0000, 24.0000, 27.0000, 3003.0000",
         "63.0000, 72.0000, 81.0000, 9009.0000"},
        {3, 1, {-1.5f, 0, 2}, "-4.5000, 0.0000, 6.0000", "-13.5000, 0.0000, 18.0000"},
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.width);
        WriteInput(s.width, s.height, s.values);
        std::fclose(std::fopen(fileNameOut, "w"));
        DX9gpgpu gpu;
        gpu.InitDirect3D(hWnd);
        gpu.InputData(fileNameIn, false, 0.0, 0.0);
        for (int iteration = 0; iteration < 2; ++iteration) {
            gpu.RenderMulMat(s.width, s.height, 3);
            gpu.OutputData(fileNameOut, nullptr);
            gpu.ReloadData();
        }
        gpu.RenderMulMat(s.width, s.height, 3);
        gpu.RenderMulMat(s.width, s.height, 3);
        gpu.OutputData(fileNameOut, nullptr);
        EXPECT_EQ(ReportLines(), (std::vector<std::string>{s.tripled, s.tripled, s.ninefold}));
    }
}

// The read-back forms: a null file name appends to "output.txt" and a null
// precision prints four decimals; the integer form writes the whole last row
// truncated toward zero, without a line end.
TEST_F(Dx9Test, OutputDataForms)
{
    WriteInput(6, 2, {1, 2, 3, 4, 5, 6, 7.9f, -8.9f, 9, 10, 11, 12.5f});
    DX9gpgpu gpu;
    gpu.InitDirect3D(hWnd);
    gpu.InputData(fileNameIn, false, 0.0, 0.0);

    gpu.OutputData(nullptr, nullptr);
    std::stringstream fallback;
    fallback << std::ifstream("output.txt").rdbuf();
    EXPECT_EQ(fallback.str(), "9.0000, 10.0000, 11.0000, 12.5000\n");

    gpu.OutputData(nullptr, -1, -1, true, fileNameOut, nullptr);
    std::stringstream integers;
    integers << std::ifstream(fileNameOut).rdbuf();
    EXPECT_EQ(integers.str(), "7, -8, 9, 10, 11, 12");
}

// Every pass gives back what it replaces or makes for itself: however many
// calls, the object keeps one matrix texture and one effect, and nothing of
// the device outlives the object.
TEST_F(Dx9Test, RepeatedPassesKeepOneMatrixAndOneEffect)
{
    WriteInput(5, 4, std::vector<float>(20, 2.0f));
    const long before = kd3d9::LiveGlObjects();
    {
        DX9gpgpu gpu;
        gpu.InitDirect3D(hWnd);
        gpu.InputData(fileNameIn, false, 0.0, 0.0);
        gpu.RenderMulMat(5, 4, 3);
        const long settled = kd3d9::LiveGlObjects();
        for (int call = 0; call < 3; ++call) {
            gpu.Render(5, 4);
            gpu.RenderMulMat(5, 4, 3);
            gpu.ReloadData();
        }
        EXPECT_EQ(kd3d9::LiveGlObjects(), settled);
    }
    EXPECT_EQ(kd3d9::LiveGlObjects(), before);
}
