#include "ruler/caption_text.h"
#include "ruler/view_flags.h"
#include "settings/calibration_record.h"
#include "settings/memory_backend.h"
#include "settings/ruler_settings.h"
#include "tools/calibration.h"
#include "units/density.h"
#include "units/graduation.h"
#include "units/units.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

const std::uint32_t kPhysicalUnits[] = {RS_UNIT_CM, RS_UNIT_IN, RS_UNIT_PT, RS_UNIT_PC, RS_UNIT_TWIP};
// Densities from 50 to 600 dpi in thousandths, awkward ones among them.
const std::int64_t kMilliDpi[] = {50000, 50001, 72250, 94337, 96000, 127999, 163183, 300001, 441500, 599999, 600000};

// Every labelled major tick of a whole ruler lies where the formula puts it:
// trunc(i * step * twips * dpi / 1440), computed here in exact integers.
TEST(CalibratedDensity, MajorTicksExactlyWhereTheFormulaPutsThem)
{
    for (std::uint32_t unit : kPhysicalUnits) {
        for (std::int64_t milli : kMilliDpi) {
            SCOPED_TRACE(std::string(FindUnit(unit)->abbrev) + " at " + std::to_string(milli) + " mdpi");
            const UnitMetrics m = CalcUnitMetrics(unit | RS_HORZ, 96, {6, 13}, 10);
            GraduationParams p;
            p.dpi = double(milli) / 1000;
            p.unitTwips = m.unitTwips;
            p.labelStep = m.labelStep;
            p.subdivisions = m.subdivisions;
            p.length = 20000;
            p.thickness = 30;
            p.to = p.length;
            p.labelExtent = 1;
            GraduationLayout out;
            LayoutGraduations(p, out);
            ASSERT_GT(out.labels.size(), 10u);
            for (std::size_t i = 0; i < out.labels.size(); ++i) {
                const std::int64_t exact = std::int64_t(i) * m.labelStep * m.unitTwips * milli / 1440000;
                ASSERT_EQ(out.labels[i].along, exact) << "tick " << i;
            }
        }
    }
}

// Pixels to units and back, against the formula in long double: within 1/1000 of a pixel.
TEST(CalibratedDensity, ConversionWithinAThousandthOfAPixel)
{
    for (std::uint32_t unit : kPhysicalUnits) {
        const int twips = CalcUnitMetrics(unit, 96, {6, 13}, 2).unitTwips;
        for (std::int64_t milli : kMilliDpi) {
            const double dpi = double(milli) / 1000;
            for (int scale : {50, 100, 250, 1000}) {
                for (double px : {1.0, 37.0, 333.0, 4095.0, 65535.0}) {
                    const double units = UnitsFromPixels(px, twips, dpi, scale);
                    const long double back = (long double)units * twips * milli * scale / (1440000.0L * 100);
                    EXPECT_LT(std::fabs(double(back - px)), 0.001) << twips << " " << milli << " " << scale << " " << px;
                }
            }
        }
    }
}

TEST(CalibratedDensity, OnlyPhysicalUnitsTakeTheCalibratedDensity)
{
    const Density calibrated{94.337, DensitySource::Calibrated};
    const struct {
        std::uint32_t unit;
        bool physical;
    } cases[] = {{RS_UNIT_CM, true},  {RS_UNIT_IN, true},  {RS_UNIT_PT, true},  {RS_UNIT_PC, true},
                 {RS_UNIT_TWIP, true}, {RS_UNIT_PX, false}, {RS_UNIT_DU, false}, {RS_UNIT_DBU, false}};
    for (const auto& c : cases) {
        const Density d = UnitDensity(c.unit | RS_VERT, 120, &calibrated);
        EXPECT_EQ(d.dpi, c.physical ? 94.337 : 120.0) << FindUnit(c.unit)->abbrev;
        EXPECT_EQ(d.source, c.physical ? DensitySource::Calibrated : DensitySource::Logical);
        EXPECT_EQ(UnitDensity(c.unit, 120, nullptr).dpi, 120.0);
    }
}

TEST(CalibratedDensity, LengthsAndDensities)
{
    EXPECT_EQ(DensityFromLength(324, kCardWidthMm), 96.140);  // 324 * 25.4 / 85.6 = 96.1402
    EXPECT_EQ(DensityFromLength(1920, 527.04), 92.532);
    EXPECT_EQ(DensityFromLength(0, 85.6), 0.0);
    EXPECT_EQ(DensityFromLength(300, -1), 0.0);
    EXPECT_EQ(PixelsForLength(kCardWidthMm, 96), 324);  // 323.53
    EXPECT_EQ(PixelsForLength(kCardWidthMm, 600), 2022);
    EXPECT_EQ(PixelsForLength(kCardWidthMm, std::nan("")), 0);
    EXPECT_TRUE(IsCalibratedDensityValid(kMinCalibratedDpi));
    EXPECT_FALSE(IsCalibratedDensityValid(19.999));
    EXPECT_FALSE(IsCalibratedDensityValid(std::nan("")));
}

// --- the stored record ----------------------------------------------------------------

TEST(CalibrationRecordText, RoundTrips)
{
    const CalibrationRecord records[] = {
        {{1920, 1080, 96}, 94.337, DensitySource::Calibrated},
        {{3840, 2160, 144}, 163.183, DensitySource::Reported},
        {{800, 600, 120}, 20, DensitySource::Calibrated},
    };
    for (const CalibrationRecord& r : records) {
        const std::string text = FormatCalibrationRecord(r);
        const std::optional<CalibrationRecord> back = ParseCalibrationRecord(text);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(back->mode, r.mode) << text;
        EXPECT_EQ(back->density, r.density) << text;
        EXPECT_EQ(back->source, r.source) << text;
    }
    EXPECT_EQ(FormatCalibrationRecord(records[0]), "mode=1920x1080;dpi=96;density=94.337;source=user");
}

TEST(CalibrationRecordText, AnythingMalformedIsIgnored)
{
    const struct {
        const char* text;
        bool ok;
    } cases[] = {
        {"mode=1920x1080;dpi=96;density=94.337;source=user", true},
        {"source=monitor;density=94.3;dpi=96;mode=1920x1080;", true},           // any order, trailing ';'
        {"mode=1920x1080;dpi=96;density=94.337;source=user;future=1;x", true},  // later fields
        {"", false},
        {"garbage", false},
        {"mode=1920x1080;dpi=96;density=94.337", false},                        // no source
        {"mode=1920x1080;dpi=96;density=94.337;source=guess", false},
        {"mode=1920x;dpi=96;density=94.337;source=user", false},
        {"mode=-1920x1080;dpi=96;density=94.337;source=user", false},
        {"mode=0x1080;dpi=96;density=94.337;source=user", false},
        {"mode=1920x1080;dpi=96;density=94,337;source=user", false},            // locale comma
        {"mode=1920x1080;dpi=96;density=1e2;source=user", false},
        {"mode=1920x1080;dpi=96;density=19.9;source=user", false},              // beyond the limits
        {"mode=1920x1080;dpi=96;density=2400.001;source=user", false},
        {"mode=1920x1080;dpi=96;density=nan;source=user", false},
        {"mode=1920x1080;dpi=96;density=.5;source=user", false},
        {"mode=1920x1080;dpi=96;density=94.;source=user", false},
        {"mode=99999999999x1080;dpi=96;density=94.337;source=user", false},
        {"mode=1920x1080;mode=1280x1024;dpi=96;density=94.337;source=user", false},  // doubled
        {"mode=1920x1080;dpi= 96;density=94.337;source=user", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseCalibrationRecord(c.text).has_value(), c.ok) << c.text;
}

TEST(CalibrationRecordText, AppliesOnlyInItsOwnMode)
{
    const CalibrationRecord r{{1920, 1080, 96}, 94.337, DensitySource::Calibrated};
    EXPECT_EQ(FitCalibration(r, {1920, 1080, 96}), CalibrationFit::Applies);
    EXPECT_EQ(FitCalibration(r, {1080, 1920, 96}), CalibrationFit::OtherMode);  // turned
    EXPECT_EQ(FitCalibration(r, {1920, 1080, 120}), CalibrationFit::OtherMode); // rescaled
    EXPECT_EQ(FitCalibration(r, {1280, 1080, 96}), CalibrationFit::OtherMode);
    EXPECT_EQ(FitCalibration(std::nullopt, {1920, 1080, 96}), CalibrationFit::None);
}

TEST(CalibrationRecordText, ValueNames)
{
    EXPECT_EQ(CalibrationValueName("MONITOR\\DEL4097\\{4d36e96e}\\0001"), "MONITOR/DEL4097/{4d36e96e}/0001");
    EXPECT_EQ(CalibrationValueName(""), "Display");
    EXPECT_EQ(CalibrationValueName(std::string("a\x01\xE9z")), "a__z");
    EXPECT_EQ(CalibrationValueName(std::string(300, 'x')).size(), 200u);
}

TEST(CalibrationRecordRegistry, StoredAsTextThatOtherTypesAndSizesCannotSpoil)
{
    auto backend = std::make_shared<CMemoryBackend>();
    CRulerSettings s;
    s.SetKeyPath("Software\\Orrin\\Calyx\\");
    s.SetBackend(backend);
    const std::string key = "Software\\Orrin\\Calyx\\Calibration";
    const CalibrationRecord r{{1920, 1080, 96}, 94.337, DensitySource::Calibrated};
    ASSERT_TRUE(WriteCalibration(s, "MONITOR\\A\\0001", r));
    const SettingsValue* v = backend->Find(key, "MONITOR/A/0001");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->type, kRegSz);
    ASSERT_TRUE(ReadCalibration(s, "MONITOR\\A\\0001"));
    EXPECT_EQ(ReadCalibration(s, "MONITOR\\A\\0001")->density, 94.337);
    EXPECT_FALSE(ReadCalibration(s, "MONITOR\\B\\0001"));

    const std::string text = FormatCalibrationRecord(r);
    backend->Put(key, "dword", kRegDword, {1, 2, 3, 4});
    backend->Put(key, "binary", kRegBinary, std::vector<unsigned char>(text.begin(), text.end()));
    backend->PutString(key, "huge", text + ";pad=" + std::string(kMaxCalibrationText, 'x'));
    backend->Put(key, "unterminated", kRegSz, std::vector<unsigned char>(text.begin(), text.end()));
    EXPECT_FALSE(ReadCalibration(s, "dword"));
    EXPECT_FALSE(ReadCalibration(s, "binary"));
    EXPECT_FALSE(ReadCalibration(s, "huge"));
    EXPECT_TRUE(ReadCalibration(s, "unterminated"));
}

TEST(CalibratedUnitsSetting, StoredOnlyWhileOn)
{
    auto backend = std::make_shared<CMemoryBackend>();
    CRulerSettings s;
    s.SetKeyPath("Software\\Orrin\\Calyx\\");
    s.SetBackend(backend);
    const std::string view = "Software\\Orrin\\Calyx\\View";
    s.Reset();
    s.Load();
    EXPECT_EQ(s.m_bCalibratedUnits, 0);
    s.Save();
    EXPECT_FALSE(backend->Find(view, kValueCalibratedUnits));
    s.m_bCalibratedUnits = 1;
    s.Save();
    ASSERT_TRUE(backend->Find(view, kValueCalibratedUnits));
    s.Reset();
    s.Load();
    EXPECT_EQ(s.m_bCalibratedUnits, 1);
    s.m_bCalibratedUnits = 0;
    s.Save();
    EXPECT_FALSE(backend->Find(view, kValueCalibratedUnits));
    backend->PutString(view, kValueCalibratedUnits, "1");  // not a DWORD: off
    s.Load();
    EXPECT_EQ(s.m_bCalibratedUnits, 0);
}

// --- the dialog's decisions -------------------------------------------------------------

const CalibrationMonitor kMonitor{{1920, 1080, 96}, 527, 296};

TEST(CalibrationDialog, StartsFromWhatApplies)
{
    const CalibrationRecord here{{1920, 1080, 96}, 101.5, DensitySource::Calibrated};
    const CalibrationRecord elsewhere{{1280, 1024, 96}, 101.5, DensitySource::Calibrated};
    const CalibrationMonitor unreported{{1920, 1080, 120}, 0, 0};
    const CalibrationMonitor implausible{{1920, 1080, 96}, 16, 9};  // a size in centimetres
    const struct {
        const char* name;
        CalibrationMonitor monitor;
        std::optional<CalibrationRecord> stored;
        double dpi;
        DensitySource source;
        CalibrationFit fit;
    } cases[] = {
        {"stored here", kMonitor, here, 101.5, DensitySource::Calibrated, CalibrationFit::Applies},
        {"stored in another mode", kMonitor, elsewhere, 92.539, DensitySource::Reported, CalibrationFit::OtherMode},
        {"nothing stored", kMonitor, std::nullopt, 92.539, DensitySource::Reported, CalibrationFit::None},
        {"not reported", unreported, std::nullopt, 120, DensitySource::Logical, CalibrationFit::None},
        {"implausible report", implausible, elsewhere, 96, DensitySource::Logical, CalibrationFit::OtherMode},
    };
    for (const auto& c : cases) {
        const CCalibration cal(c.monitor, c.stored, 1000);
        EXPECT_EQ(cal.GetDensity().dpi, c.dpi) << c.name;
        EXPECT_EQ(cal.GetDensity().source, c.source) << c.name;
        EXPECT_EQ(cal.StoredFit(), c.fit) << c.name;
    }
}

TEST(CalibrationDialog, TheBarSetsTheDensityWithinItsLimits)
{
    CCalibration cal({{1920, 1080, 96}, 0, 0}, std::nullopt, 500);
    EXPECT_EQ(cal.BarPixels(), 324);
    cal.StepBar(1);
    EXPECT_EQ(cal.BarPixels(), 325);
    EXPECT_EQ(cal.GetDensity().dpi, 96.437);  // 325 * 25.4 / 85.6
    EXPECT_EQ(cal.GetDensity().source, DensitySource::Calibrated);
    cal.StepBar(-10);
    EXPECT_EQ(cal.BarPixels(), 315);
    cal.SetBarPixels(100000);
    EXPECT_EQ(cal.BarPixels(), 500);
    cal.SetBarPixels(-5);
    EXPECT_EQ(cal.BarPixels(), cal.MinBar());
    EXPECT_EQ(cal.MinBar(), 67);  // a card at 20 dpi
    EXPECT_EQ(cal.Result().source, DensitySource::Calibrated);
    EXPECT_EQ(cal.Result().mode, (MonitorMode{1920, 1080, 96}));
}

TEST(CalibrationDialog, TypedWidths)
{
    const struct {
        const char* text;
        TypedWidthStatus status;
        double density;
    } cases[] = {
        {"527.04", TypedWidthStatus::Ok, 92.532},
        {" 527,04 mm ", TypedWidthStatus::Ok, 92.532},
        {"527", TypedWidthStatus::Ok, 92.539},
        {"52.7", TypedWidthStatus::Ok, 925.389},
        {"5.27", TypedWidthStatus::OutOfRange, 0},  // 9254 dpi: centimetres typed
        {"3000", TypedWidthStatus::OutOfRange, 0},
        {"0", TypedWidthStatus::OutOfRange, 0},
        {"", TypedWidthStatus::NotANumber, 0},
        {"mm", TypedWidthStatus::NotANumber, 0},
        {"52 7", TypedWidthStatus::NotANumber, 0},
        {"1.2.3", TypedWidthStatus::NotANumber, 0},
        {"-527", TypedWidthStatus::NotANumber, 0},
        {"527 cm", TypedWidthStatus::NotANumber, 0},
        {"1234567890123", TypedWidthStatus::NotANumber, 0},
    };
    for (const auto& c : cases) {
        CCalibration cal({{1920, 1080, 96}, 0, 0}, std::nullopt, 500);
        const TypedWidth t = cal.TypeVisibleWidth(c.text);
        EXPECT_EQ(t.status, c.status) << c.text;
        // Anything but a good width leaves the density as it was.
        EXPECT_EQ(cal.GetDensity().dpi, c.status == TypedWidthStatus::Ok ? c.density : 96.0) << c.text;
        EXPECT_NEAR(t.minMillimetres, 20.32, 0.011) << c.text;   // 1920 px at 2400 dpi
        EXPECT_NEAR(t.maxMillimetres, 2438.4, 0.011) << c.text;  // at 20 dpi
    }
}

TEST(CalibrationDialog, ResultKeepsTheSourceOfAnUntouchedStart)
{
    CCalibration cal(kMonitor, std::nullopt, 1000);
    EXPECT_EQ(cal.Result().source, DensitySource::Reported);
    cal.StepBar(0);
    EXPECT_EQ(cal.Result().source, DensitySource::Calibrated);
    cal.UseReported();
    EXPECT_EQ(cal.Result().source, DensitySource::Reported);
    // Accepting the logical density is the user's calibration.
    EXPECT_EQ(CCalibration({{1920, 1080, 96}, 0, 0}, std::nullopt, 1000).Result().source, DensitySource::Calibrated);
}

TEST(CalibrationCaption, SaysWhereTheDensityCameFrom)
{
    CaptionInputs in;
    in.appName = "Calyx";
    in.unitAbbrev = "cm";
    in.pixelAbbrev = "px";
    in.captionFlags = 0x41;  // units and position
    in.unitTwips = 566;
    in.logPixels = 94.337;
    in.pointerAlong = 96;
    char line[512];
    ComposeCaptionText(in, line, sizeof line);
    EXPECT_STREQ(line, "Calyx [U: cm] [P: 2.59 cm]");
    in.densityLabel = "Calibrated";
    ComposeCaptionText(in, line, sizeof line);
    EXPECT_STREQ(line, "Calyx [U: cm] [Calibrated: 94.337 dpi] [P: 2.59 cm]");
}

}  // namespace

TEST(CalibrationDialog, FitsOnTheMonitorItCalibrates)
{
    // A 400 x 300 dialog whose bar is 370 wide, on a 1600 x 860 work area left of the main
    // monitor, and on a 640 x 480 one where twice the bar does not fit.
    const Rect dialog{0, 0, 400, 300};
    const Rect left{-1600, 0, 0, 860}, small{0, 40, 640, 520};
    struct {
        int startBar;
        Rect work;
        int widenBy, barRoom;
        Rect bounds;
    } cases[] = {
        {323, left, 280, 646, {-1140, 280, -460, 580}},   // room for 2 x 323 + 4
        {100, left, 0, 366, {-1000, 280, -600, 580}},     // never narrower than it was
        {323, small, 208, 574, {16, 130, 624, 430}},      // as wide as the work area allows
    };
    for (const auto& c : cases) {
        const CalibrationDialogFit fit = FitCalibrationDialog(dialog, 370, c.startBar, c.work, 4, 16);
        EXPECT_EQ(fit.widenBy, c.widenBy) << c.startBar;
        EXPECT_EQ(fit.barRoom, c.barRoom) << c.startBar;
        EXPECT_EQ(fit.bounds, c.bounds) << c.startBar;
    }
}
