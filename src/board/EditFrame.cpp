#include "board/EditFrame.h"

#include "drawing/Coordinates.h"
#include "platform/Colors.h"
#include "platform/FormatNumber.h"
#include "platform/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace pelcor {

namespace {

using C = EditControl;

struct Place {
    const char* name;
    ControlType type;
    int left, top, width, height;
    const char* caption;
    bool alwaysShown;
};

constexpr ControlType L = ControlType::Label, B = ControlType::Box, K = ControlType::CheckBox,
                      S = ControlType::Swatch, U = ControlType::Button;

// Every control's place, size and caption when the frame opens (labels fit their caption).
const Place Places[EditControlCount] = {
    {"PrbA", L, 8, 8, 0, 0, "A= ", false},
    {"EditA", B, 44, 8, 56, 21, "", false},
    {"PrbB", L, 8, 34, 0, 0, "B= ", false},
    {"EditB", B, 44, 34, 56, 21, "", false},
    {"PrbC", L, 26, 60, 0, 0, "C=", false},
    {"EditC", B, 44, 60, 56, 21, "", false},
    {"EditX1Lbl", L, 104, 8, 0, 0, "X1=", false},
    {"EditX1", B, 136, 8, 60, 21, "", false},
    {"EditY1Lbl", L, 104, 34, 0, 0, "Y2=", false},
    {"EditY1", B, 136, 34, 60, 21, "", false},
    {"PrbHorizl", L, 112, 60, 0, 0, "PrbY", false},
    {"Prbh", K, 160, 60, 20, 17, "", false},
    {"EditX2Lbl", L, 200, 8, 0, 0, "X2=", false},
    {"EditX2", B, 232, 8, 60, 21, "", false},
    {"EditY2Lbl", L, 200, 34, 0, 0, "Y2=", false},
    {"EditY2", B, 232, 34, 60, 21, "", false},
    {"EquatLabel", L, 208, 60, 0, 0, "", true},
    {"AreaLabel", L, 352, 8, 0, 0, "Area =", false},
    {"EditG", B, 396, 8, 50, 17, "", false},
    {"EditColor1", L, 364, 25, 0, 0, "Color", true},
    {"EditColor", S, 364, 38, 29, 17, "", true},
    {"EditFillLbl", L, 404, 25, 0, 0, "Fill Color", false},
    {"EditFillColor", S, 408, 38, 29, 17, "", false},
    {"EditFillOnLbl", L, 448, 8, 0, 0, "Fill enabled", false},
    {"FillCheck", K, 592, 56, 17, 17, "", false},
    {"FontEditButt", U, 472, 8, 55, 25, "Font", false},
    {"Update", U, 472, 36, 55, 25, "Refresh", true},
    {"EditClose", U, 536, 8, 55, 25, "Cancel", true},
    {"EditOk", U, 536, 36, 55, 25, "OK", true},
};

const Place& PlaceOf(C c) {
    return Places[static_cast<int>(c)];
}

std::string F3(double v) {
    return FormatNumber(v, "###.###");
}

// A real as a board pixel, truncated toward zero. A value within a hair of a whole pixel is
// that pixel: the decimal texts of the boxes are not exact in binary, and 150.99999999 must
// not become 150 when the box said 151 tenths.
double WholePixel(double v) {
    const double whole = std::nearbyint(v);
    if (std::fabs(v - whole) < 1e-7) v = whole;
    return std::trunc(v);
}

int ClampPixel(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -BoardReachPixels, BoardReachPixels));
}

const char* CircleFormName(int form) {
    switch (form) {
    case 0: return "Circle";
    case 1: return "Cilinder";
    case 2: return "Cone";
    case 3: return "TrunkCone";
    case 4: return "Sphere";
    case 5: return "Ellipse";
    default: return "";
    }
}

std::string PolygonTitle(int sides) {
    const char* name = "Edit Polygon";
    switch (sides) {
    case 3: name = "Edit Triangle"; break;
    case 4: name = "Edit Square"; break;
    case 5: name = "Edit Pentagon"; break;
    case 6: name = "Edit Hexagon"; break;
    case 7: name = "Edit Heptagon"; break;
    case 8: name = "Edit Octogon"; break;
    case 9: name = "Edit Nanogon"; break;
    case 10: name = "Edit Decagon"; break;
    case 12: name = "Edit Dodecagon"; break;
    default: break;
    }
    return std::string(name) + " - (" + std::to_string(sides) + " sides)";
}

const std::string Sq = "\xC2\xB2"; // "²"

} // namespace

const char* ControlName(EditControl control) {
    return PlaceOf(control).name;
}

ControlType TypeOf(EditControl control) {
    return PlaceOf(control).type;
}

std::string BeyondBoardText(const std::string& typed) {
    const std::string what = typed.empty() ? "The shape" : "'" + typed + "'";
    return what + " is beyond what the board keeps: at most " + std::to_string(BoardReachPixels) +
           " pixels (" + FormatGeneral(PixelsToUnits(BoardReachPixels)) +
           " units) either way from the board's top-left corner";
}

// Reads the boxes; the first box that does not hold a number, or the first value beyond what
// the board keeps, gives the message, and every read after it gives 0.
class EditFrameReader {
public:
    explicit EditFrameReader(const EditFrame& frame) : frame_(frame) {}

    const std::string& Text(C c) const { return frame_.Control(c).Text; }
    bool Changed(C c) const { return Text(c) != frame_.shown_[static_cast<int>(c)]; }

    double Number(C c) {
        if (!error.empty()) return 0;
        if (Changed(c)) typed_ = Text(c);
        const auto& exact = frame_.exact_[static_cast<int>(c)];
        if (exact && !Changed(c)) return *exact;
        if (const std::optional<double> v = ParseNumber(Text(c))) return *v;
        error = "'" + Text(c) + "' is not a valid floating point value";
        return 0;
    }
    int Integer(C c) {
        if (!error.empty()) return 0;
        if (const std::optional<int> v = ParseInteger(Text(c))) return *v;
        error = "'" + Text(c) + "' is not a valid integer value";
        return 0;
    }

    // A board coordinate or length, truncated toward zero. Beyond what the board keeps it is
    // refused, naming the last value typed, unless it is what the shape had (`had`): a shape
    // whose values lie that far keeps them while other values change.
    int Px(double v, int had) {
        if (!error.empty()) return had;
        if (!std::isnan(v)) {
            v = WholePixel(v);
            if (std::fabs(v) <= BoardReachPixels) return static_cast<int>(v);
            if (v == had) return had;
        }
        error = BeyondBoardText(typed_);
        return had;
    }
    int PxX(double u, int had) { return Px(UnitToPixelRealX(u), had); }
    int PxY(double u, int had) { return Px(UnitToPixelRealY(u), had); }

    std::string error;

private:
    const EditFrame& frame_;
    std::string typed_; // the last changed box's text read
};

EditFrame::EditFrame(DrawingList& list, BoardRenderer& renderer)
    : list_(list), renderer_(renderer) {
    ResetLayout();
    SetAccessibleNames(); // named before it first opens
    At(C::EditColor).Color = working_.PenColor;
    At(C::EditFillColor).Color = working_.FillColor;
}

void EditFrame::ResetLayout() {
    for (int i = 0; i < EditControlCount; ++i) {
        const Place& p = Places[i];
        ControlState& c = controls_[static_cast<std::size_t>(i)];
        c.Visible = p.alwaysShown;
        c.Enabled = true;
        c.Text = p.caption;
        c.Left = p.left;
        c.Top = p.top;
        c.Width = p.width;
        c.Height = p.height;
        c.Checked = false;
        shown_[static_cast<std::size_t>(i)].clear();
        exact_[static_cast<std::size_t>(i)].reset();
    }
    At(C::EquatLabel).Text = equation_;
}

void EditFrame::Show(C c, std::string text) {
    ControlState& s = At(c);
    s.Visible = true;
    s.Text = std::move(text);
}

void EditFrame::ShowBox(C box, std::string text, std::optional<double> exact) {
    shown_[static_cast<int>(box)] = text;
    exact_[static_cast<int>(box)] = exact;
    Show(box, std::move(text));
}

void EditFrame::Labelled(C label, std::string caption, C box, std::string text,
                         std::optional<double> exact) {
    Show(label, std::move(caption));
    ShowBox(box, std::move(text), exact);
}

void EditFrame::ShowFillControls() {
    const bool filled = working_.FillMode == "S";
    for (C c : {C::EditFillOnLbl, C::FillCheck}) {
        At(c).Visible = true;
        At(c).Enabled = true;
    }
    At(C::FillCheck).Checked = filled;
    At(C::EditFillLbl).Visible = filled;
    At(C::EditFillColor).Visible = filled;
}

void EditFrame::SetText(EditControl box, std::string text) {
    if (TypeOf(box) == ControlType::Box) At(box).Text = std::move(text);
}

void EditFrame::SetEquationLabel(std::string caption) {
    equation_ = std::move(caption);
    At(C::EquatLabel).Text = equation_;
}

void EditFrame::LayOut(const ShapeMeasurement& m) {
    const ShapeRecord& s = working_;
    const ShapeKind k = s.KindCode();
    const UnitPoint p1 = UnitPointOf(s.X1, s.Y1);
    auto equation = [this](std::string text) { SetEquationLabel(std::move(text)); };

    // Every kind starts with its first point in units.
    Show(C::EditX1Lbl, At(C::EditX1Lbl).Text);
    Show(C::EditY1Lbl, At(C::EditY1Lbl).Text);
    ShowBox(C::EditX1, m.P1xText, p1.x);
    ShowBox(C::EditY1, m.P1yText, p1.y);
    auto secondPoint = [&] {
        Labelled(C::EditX2Lbl, "X2 = ", C::EditX2, F3(PixelToUnitX(s.X2)), PixelToUnitX(s.X2));
        Labelled(C::EditY2Lbl, "Y2 = ", C::EditY2, F3(PixelToUnitY(s.Y2)), PixelToUnitY(s.Y2));
    };

    if (k == ShapeKind::Line) {
        equation(" Linear Function   y = m x + n ");
        Show(C::EditX1Lbl, "X1 = ");
        Show(C::EditY1Lbl, "Y1 = ");
        secondPoint();
        const LineEditTexts edits = DescribeLine(m, 1).LineEdits.value_or(LineEditTexts{});
        Labelled(C::PrbA, "m = ", C::EditA, edits.EditA, std::nullopt);
        Labelled(C::PrbB, "n = ", C::EditB, edits.EditB, std::nullopt);
        Labelled(C::PrbC, "Len ", C::EditC, edits.EditC, std::nullopt);
        Labelled(C::AreaLabel, "Angle =", C::EditG, edits.EditG, std::nullopt);
    } else if (k == ShapeKind::Square) {
        equation(" R e c t a n g u l a r ");
        Show(C::EditX1Lbl, "X1 = ");
        Show(C::EditY1Lbl, "Y1 = ");
        secondPoint();
        const double area = PixelsToUnits(std::fabs(static_cast<double>(s.X2) - s.X1)) *
                            PixelsToUnits(std::fabs(static_cast<double>(s.Y2) - s.Y1));
        Labelled(C::AreaLabel, "Area =", C::EditG, FormatNumber(area, "###.##"), std::nullopt);
        ShowFillControls();
    } else if (k == ShapeKind::Ellipse) {
        equation("Ellipse  ( x -a ) " + Sq + " / h " + Sq + " + ( y - b ) " + Sq + " / p " + Sq +
                 " - 1  = 0 ");
        const auto [cx, cy] = BoxCentre(s);
        const double h = HalfPixelsToUnits(std::fabs(static_cast<double>(s.X1) - s.X2));
        const double p = HalfPixelsToUnits(std::fabs(static_cast<double>(s.Y1) - s.Y2));
        Labelled(C::EditX1Lbl, "a  = ", C::EditX1, F3(cx), cx);
        Labelled(C::EditY1Lbl, "b  = ", C::EditY1, F3(cy), cy);
        Labelled(C::EditX2Lbl, "h  = ", C::EditX2, F3(h), h);
        Labelled(C::EditY2Lbl, "p  = ", C::EditY2, F3(p), p);
        Labelled(C::AreaLabel, "Area =", C::EditG, F3(Pi * h * p), std::nullopt);
        ShowFillControls();
    } else if (k == ShapeKind::Circle) {
        equation(std::string("Edit ") + CircleFormName(s.Aux2));
        const double r = PixelsToUnits(s.X3);
        const auto [cx, cy] = CircleCentre(s);
        Labelled(C::EditX1Lbl, "a = ", C::EditX1, F3(cx), cx);
        Labelled(C::EditY1Lbl, "b = ", C::EditY1, F3(cy), cy);
        Labelled(C::EditX2Lbl, "r = ", C::EditX2, m.Texts.Radius, r);
        Labelled(C::PrbA, "height", C::EditA, F3(PixelsToUnits(s.Aux1)), PixelsToUnits(s.Aux1));
        Labelled(C::PrbB, "Shape", C::EditB, std::to_string(s.Aux2), s.Aux2);
        Show(C::PrbC, "Shape 0,1,2,3,4");
        Show(C::PrbHorizl, "Rad");
        Show(C::Prbh, "");
        Labelled(C::AreaLabel, "Area =", C::EditG, F3(r * r * Pi), std::nullopt);
        ShowFillControls();
    } else if (k == ShapeKind::Triangle) {
        equation("Triangle");
        Labelled(C::EditX1Lbl, "Ax = ", C::EditX1, F3(PixelToUnitX(s.X4)), PixelToUnitX(s.X4));
        Labelled(C::EditY1Lbl, "Ay = ", C::EditY1, F3(PixelToUnitY(s.Y4)), PixelToUnitY(s.Y4));
        Labelled(C::EditX2Lbl, "Bx = ", C::EditX2, F3(PixelToUnitX(s.Aux1)), PixelToUnitX(s.Aux1));
        Labelled(C::EditY2Lbl, "By = ", C::EditY2, F3(PixelToUnitY(s.Aux2)), PixelToUnitY(s.Aux2));
        Labelled(C::PrbA, "Cx = ", C::EditA, F3(PixelToUnitX(s.X3)), PixelToUnitX(s.X3));
        Labelled(C::PrbB, "Cy = ", C::EditB, F3(PixelToUnitY(s.Y3)), PixelToUnitY(s.Y3));
        Show(C::PrbHorizl, "Note");
        Show(C::Prbh, "");
    } else if (k == ShapeKind::Hexagon) {
        equation(PolygonTitle(s.Aux4));
        Show(C::EditX1Lbl, "a  = ");
        Show(C::EditY1Lbl, "b  = ");
        Labelled(C::EditX2Lbl, "r  = ", C::EditX2, F3(PixelsToUnits(s.X2)), PixelsToUnits(s.X2));
        Labelled(C::EditY2Lbl, "Sides ", C::EditY2, std::to_string(s.Aux4), s.Aux4);
        Labelled(C::PrbA, "h = ", C::EditA, F3(PixelsToUnits(s.Aux3)), PixelsToUnits(s.Aux3));
        Labelled(C::PrbB, "Shp", C::EditB, std::to_string(s.Aux2), s.Aux2);
        Show(C::PrbC, "0,1,2,3");
        Labelled(C::AreaLabel, "Rotate", C::EditG, std::to_string(s.Aux1), s.Aux1);
        Show(C::PrbHorizl, "Rad");
        Show(C::Prbh, "");
        ShowFillControls();
        At(C::EditFillLbl).Visible = true;
        At(C::EditFillLbl).Enabled = false;
    } else if (k == ShapeKind::Parabola) {
        equation(" Quadratic Function y = A x " + Sq + " + B x + C ");
        Show(C::EditX1Lbl, "XmM=");
        Show(C::EditY1Lbl, "YmM=");
        Labelled(C::PrbA, "A = ", C::EditA, FormatNumber(PixelsToUnits(s.X3), "##.##"),
                 PixelsToUnits(s.X3));
        Show(C::PrbHorizl, "PrbY");
        Show(C::Prbh, "");
        At(C::Prbh).Checked = s.Y4 != 0;
    } else if (k == ShapeKind::Hyper) {
        equation(" Equilateral Hyperbola     (y + b) = c / ( x + a )  ");
        Show(C::EditX1Lbl, "a  = ");
        Show(C::EditY1Lbl, "b  = ");
        Show(C::EditX2Lbl, "c  = ");
        // c = X2 / Y2 has no value while Y2 is 0; the box says so, and the record keeps
        // its X2 unless a number is typed there.
        if (s.Y2 != 0) {
            const double c = static_cast<double>(s.X2) / s.Y2;
            ShowBox(C::EditX2, F3(c), c);
        } else {
            ShowBox(C::EditX2, "undefined", std::nullopt);
        }
        Labelled(C::EditY2Lbl, "h  = ", C::EditY2, F3(s.Y2 / 100.0), s.Y2 / 100.0);
        Show(C::PrbHorizl, "HypY");
        At(C::EditFillLbl).Text = "";
        Show(C::Prbh, "");
        At(C::Prbh).Checked = s.Y4 == 1;
    } else if (k == ShapeKind::Hyper1) {
        equation(" Hyperbola  ( x -a ) " + Sq + " / h " + Sq + " - ( y - b ) " + Sq + " / p " + Sq +
                 " - 1  = 0 ");
        Show(C::EditX1Lbl, "a  = ");
        Show(C::EditY1Lbl, "b  = ");
        Labelled(C::EditX2Lbl, "h  = ", C::EditX2, std::to_string(s.X2), s.X2);
        Labelled(C::EditY2Lbl, "p  = ", C::EditY2, std::to_string(s.Y2), s.Y2);
        Show(C::PrbHorizl, "HypY");
        Show(C::Prbh, "");
        At(C::Prbh).Checked = s.Y4 != 0;
    } else if (k == ShapeKind::Text) {
        // The point moves to the first column; the text and its font take the second.
        At(C::EditX1).Left = At(C::EditY1).Left = 44;
        At(C::EditX2).Left = At(C::EditY2).Left = 136;
        At(C::EditX2).Width = At(C::EditY2).Width = 150;
        Show(C::PrbA, "X1 ");
        Show(C::PrbB, "Y1 ");
        Labelled(C::EditX1Lbl, "Text ", C::EditX2, s.Text, std::nullopt);
        Labelled(C::EditY1Lbl, "Font ", C::EditY2, s.FontName, std::nullopt);
        Labelled(C::AreaLabel, "Style", C::EditG, s.FontStyle, std::nullopt);
        Labelled(C::PrbC, "Size", C::EditC, s.FontSize, std::nullopt);
        ControlState& font = At(C::FontEditButt);
        font.Visible = true;
        font.Top = At(C::EditClose).Top;
        font.Left = At(C::Update).Left;
        font.Height = At(C::EditClose).Height;
        font.Width = At(C::Update).Width;
        for (C c : {C::EditFillOnLbl, C::FillCheck, C::EditFillLbl, C::EditFillColor}) {
            At(c).Visible = false;
            At(c).Enabled = false;
        }
    }
    SetAccessibleNames();
}

void EditFrame::SetAccessibleNames() {
    // Each box, check box and swatch is named by the caption of the label beside it.
    const bool text = editedKind_ == ShapeKind::Text;
    const std::pair<C, C> pairs[] = {
        {C::EditA, C::PrbA},
        {C::EditB, C::PrbB},
        {C::EditC, C::PrbC},
        {C::EditX1, text ? C::PrbA : C::EditX1Lbl},
        {C::EditY1, text ? C::PrbB : C::EditY1Lbl},
        {C::EditX2, text ? C::EditX1Lbl : C::EditX2Lbl},
        {C::EditY2, text ? C::EditY1Lbl : C::EditY2Lbl},
        {C::EditG, C::AreaLabel},
        {C::Prbh, C::PrbHorizl},
        {C::FillCheck, C::EditFillOnLbl},
        {C::EditColor, C::EditColor1},
        {C::EditFillColor, C::EditFillLbl},
    };
    for (const auto& [control, label] : pairs) {
        const std::string& caption = At(label).Text;
        At(control).AccessibleName = caption.empty() ? PlaceOf(label).caption : caption;
    }
    for (C c : {C::FontEditButt, C::Update, C::EditClose, C::EditOk})
        At(c).AccessibleName = At(c).Text;
    for (int i = 0; i < EditControlCount; ++i)
        if (Places[i].type == ControlType::Label)
            controls_[static_cast<std::size_t>(i)].AccessibleName =
                controls_[static_cast<std::size_t>(i)].Text;
}

bool EditFrame::OpenEditFrame(int number) {
    const std::optional<ShapeRecord> record = list_.ExtractShape(number);
    if (!record) return false;
    const ShapeMeasurement measured = MeasureShape(*record);
    shape_ = number;
    editedKind_ = record->KindCode();
    working_ = opened_ = measured.Shape;
    substitute_ = working_.FillColor;
    ResetLayout();
    LayOut(measured);
    At(C::EditColor).Color = working_.PenColor;
    At(C::EditFillColor).Color = working_.FillColor;
    open_ = true;
    DrawGuides(renderer_.canvas());
    return true;
}

std::variant<ShapeRecord, EditError> EditFrame::ReadEditFrame() const {
    return Read(editedKind_, std::nullopt);
}

std::variant<ShapeRecord, EditError>
EditFrame::Read(ShapeKind k, const std::optional<FontChoice>& textFont) const {
    EditFrameReader r(*this);
    ShapeRecord s = working_;
    const ShapeRecord& o = opened_;
    s.X1 = r.PxX(r.Number(C::EditX1), o.X1);
    s.Y1 = r.PxY(r.Number(C::EditY1), o.Y1);

    if (k == ShapeKind::Text) {
        s.Kind = kind::Text;
        s.Text = r.Text(C::EditX2);
        if (textFont) {
            s.FontName = textFont->Family;
            s.FontSize = std::to_string(textFont->PointSize);
        } else {
            // The font box and the size box show the record's font; the font dialog
            // writes into them.
            s.FontName = r.Text(C::EditY2);
            if (r.Changed(C::EditC)) s.FontSize = std::to_string(r.Integer(C::EditC));
        }
        s.FontStyle = r.Text(C::EditG);
    } else if (k == ShapeKind::Line || k == ShapeKind::Square) {
        s.X2 = r.PxX(r.Number(C::EditX2), o.X2);
        s.Y2 = r.PxY(r.Number(C::EditY2), o.Y2);
        if (k == ShapeKind::Line) {
            // The slope, intercept, length and angle are shown for reading; they must still
            // be numbers, but the record has no place for them.
            for (C c : {C::EditA, C::EditB, C::EditC, C::EditG})
                r.Number(c);
        }
    } else if (k == ShapeKind::Ellipse) {
        const double cx = r.Number(C::EditX1), cy = r.Number(C::EditY1);
        const double h = r.Number(C::EditX2), p = r.Number(C::EditY2);
        double x1 = UnitToPixelRealX(cx + h), y1 = UnitToPixelRealY(cy - p);
        double x2 = UnitToPixelRealX(cx - h), y2 = UnitToPixelRealY(cy + p);
        // The corners keep the order they had, so an unchanged ellipse keeps its record.
        if (o.X1 != o.X2 && (o.X1 < o.X2) != (x1 < x2)) std::swap(x1, x2);
        if (o.Y1 != o.Y2 && (o.Y1 < o.Y2) != (y1 < y2)) std::swap(y1, y2);
        s.X1 = r.Px(x1, o.X1);
        s.Y1 = r.Px(y1, o.Y1);
        s.X2 = r.Px(x2, o.X2);
        s.Y2 = r.Px(y2, o.Y2);
        s.X3 = r.Px(std::fabs(static_cast<double>(s.X1) - s.X2) / 2, o.X3);
        s.Y3 = r.Px(std::fabs(static_cast<double>(s.Y1) - s.Y2) / 2, o.Y3);
    } else if (k == ShapeKind::Circle) {
        const double cx = r.Number(C::EditX1), cy = r.Number(C::EditY1);
        const double radius = r.Number(C::EditX2);
        s.X1 = r.Px(UnitToPixelRealX(cx - radius), o.X1);
        s.Y1 = r.Px(UnitToPixelRealY(cy + radius), o.Y1);
        s.X2 = r.Px(UnitToPixelRealX(cx + radius), o.X2);
        s.Y2 = r.Px(UnitToPixelRealY(cy - radius), o.Y2);
        s.X3 = r.Px(UnitLengthToPixelsReal(radius), o.X3);
        s.Aux1 = r.Px(UnitLengthToPixelsReal(r.Number(C::EditA)), o.Aux1);
        s.Aux2 = r.Px(r.Number(C::EditB), o.Aux2);
        r.Number(C::EditG); // the area: shown, not kept
    } else if (k == ShapeKind::Triangle) {
        s.X3 = r.PxX(r.Number(C::EditA), o.X3);
        s.Y3 = r.PxY(r.Number(C::EditB), o.Y3);
        s.X4 = r.PxX(r.Number(C::EditX1), o.X4);
        s.Y4 = r.PxY(r.Number(C::EditY1), o.Y4);
        s.Aux1 = r.PxX(r.Number(C::EditX2), o.Aux1);
        s.Aux2 = r.PxY(r.Number(C::EditY2), o.Aux2);
        const bool moved = s.X3 != o.X3 || s.Y3 != o.Y3 || s.X4 != o.X4 || s.Y4 != o.Y4 ||
                           s.Aux1 != o.Aux1 || s.Aux2 != o.Aux2;
        if (moved) {
            // The centroid, by integer division.
            s.X1 =
                r.Px(static_cast<double>((static_cast<long long>(s.X3) + s.X4 + s.Aux1) / 3), o.X1);
            s.Y1 =
                r.Px(static_cast<double>((static_cast<long long>(s.Y3) + s.Y4 + s.Aux2) / 3), o.Y1);
        } else {
            s.X1 = o.X1;
            s.Y1 = o.Y1;
        }
    } else if (k == ShapeKind::Hexagon) {
        s.Aux2 = r.Integer(C::EditB);
        s.Aux3 = r.Px(UnitLengthToPixelsReal(r.Number(C::EditA)), o.Aux3);
        const int radius = r.Px(UnitLengthToPixelsReal(r.Number(C::EditX2)), o.X2);
        s.Aux4 = r.Integer(C::EditY2);
        s.Aux1 = r.Integer(C::EditG);
        s.X2 = radius;
        // A new radius or side count draws as many edges as the radius has pixels, which
        // closes the polygon; otherwise the edges drawn stay as they were.
        s.Y2 = radius == o.X2 && s.Aux4 == o.Aux4 ? o.Y2 : radius;
    } else if (k == ShapeKind::Parabola) {
        const double a = r.Number(C::EditA);
        s.X3 = r.Px(UnitLengthToPixelsReal(a), o.X3);
        s.Y3 = s.X4 = 0;
        s.X2 = s.Y2 = 0;
        s.Aux1 = -50;
        s.Aux2 = r.Px(-250 * a, o.Aux2);
    } else if (k == ShapeKind::Hyper1) {
        s.Aux3 = 0;
        s.X2 = r.Px(r.Number(C::EditX2), o.X2);
        s.Y2 = r.Px(r.Number(C::EditY2), o.Y2);
    } else if (k == ShapeKind::Hyper) {
        s.Y2 = r.Px(100 * r.Number(C::EditY2), o.Y2);
        if (o.Y2 == 0 && !r.Changed(C::EditX2)) {
            s.X2 = o.X2; // "undefined" left as it was
        } else {
            s.X2 = r.Px(r.Number(C::EditX2) * s.Y2, o.X2);
        }
    }
    if (!r.error.empty()) return r.error;

    const int background = renderer_.Settings.BackgroundColor;
    s.PenColor = Control(C::EditColor).Color;
    if (s.FillMode == "W") {
        s.FillColor = background;
    } else {
        const int fill = Control(C::EditFillColor).Color;
        s.FillColor = fill == background ? substitute_ : fill;
    }
    return s;
}

void EditFrame::RepaintClosed() {
    open_ = false;
    renderer_.Settings.SelectedShape = 0;
    renderer_.RepaintBoard(list_);
}

bool EditFrame::Edited() const {
    for (int i = 0; i < EditControlCount; ++i)
        if (Places[i].type == ControlType::Box &&
            controls_[static_cast<std::size_t>(i)].Text != shown_[static_cast<std::size_t>(i)])
            return true;
    if (working_.FillMode != opened_.FillMode || working_.Y4 != opened_.Y4) return true;
    if (Control(C::EditColor).Color != opened_.PenColor) return true;
    return working_.FillMode == "S" && Control(C::EditFillColor).Color != opened_.FillColor;
}

EditError EditFrame::Apply(bool reopen) {
    // With nothing edited the record stays exactly as it is, whatever its values.
    if (Edited()) {
        std::variant<ShapeRecord, EditError> read = ReadEditFrame();
        if (const EditError* error = std::get_if<EditError>(&read)) return *error;
        // A change that would take the drawing past its limits is refused; the frame stays
        // open with what was typed.
        std::string refused;
        if (!list_.ReplaceShape(shape_, std::get<ShapeRecord>(read), &refused) && !refused.empty())
            return "The shape was not changed: " + refused;
    }
    if (!reopen) {
        RepaintClosed();
        return {};
    }
    renderer_.RepaintBoard(list_);
    OpenEditFrame(shape_);
    return {};
}

EditError EditFrame::Ok() {
    return Apply(false);
}

EditError EditFrame::Refresh() {
    return Apply(true);
}

void EditFrame::Cancel(const DrawingList& editBackup) {
    list_ = editBackup;
    RepaintClosed();
}

EditError EditFrame::PrbhClicked(bool checked) {
    At(C::Prbh).Checked = checked;
    working_.Y4 = checked ? 1 : 0;
    return Refresh();
}

void EditFrame::FillCheckReleased(bool checked) {
    At(C::FillCheck).Checked = checked;
    working_.FillMode.assign(1, checked ? 'S' : 'W');
    At(C::EditFillColor).Visible = checked;
    At(C::EditFillColor).Color = working_.FillColor;
    // A polygon shows the fill label throughout, disabled.
    if (editedKind_ != ShapeKind::Hexagon) At(C::EditFillLbl).Visible = checked;
}

void EditFrame::SetPenSwatch(int color) {
    At(C::EditColor).Color = color;
}

void EditFrame::SetFillSwatch(int color) {
    At(C::EditFillColor).Color = color;
}

void EditFrame::ToolbarColor(int color) {
    if (open_) SetPenSwatch(color);
}

FontChoice EditFrame::FontForDialog() const {
    FontChoice font;
    const bool text = editedKind_ == ShapeKind::Text;
    font.Family = text ? Control(C::EditY2).Text : working_.FontName;
    const std::string& style = text ? Control(C::EditG).Text : working_.FontStyle;
    font.Bold = style == "Bold";
    font.Italic = style == "Italic";
    font.PointSize =
        ParseInteger(text ? Control(C::EditC).Text : working_.FontSize).value_or(font.PointSize);
    font.Color = Control(C::EditColor).Color;
    return font;
}

void EditFrame::FontChosen(const FontChoice& font) {
    At(C::EditG).Text = font.Bold && !font.Italic   ? "Bold"
                        : font.Italic && !font.Bold ? "Italic"
                                                    : "Normal";
    At(C::EditC).Text = std::to_string(font.PointSize);
    if (editedKind_ == ShapeKind::Text) At(C::EditY2).Text = font.Family;
    At(C::EditColor).Color = font.Color;
}

EditFrame::CloseResult EditFrame::CloseEditFrame(const std::string& addText,
                                                 const std::string& fontName, int fontSize) {
    CloseResult result;
    if (addText.empty()) return result;
    std::variant<ShapeRecord, EditError> read =
        Read(ShapeKind::Text, FontChoice{fontName, fontSize});
    if (const EditError* error = std::get_if<EditError>(&read)) {
        result.Error = *error;
        return result;
    }
    editedKind_ = ShapeKind::Text;
    result.Closed = true;
    result.Working = std::get<ShapeRecord>(std::move(read));
    RepaintClosed();
    return result;
}

void EditFrame::DrawGuides(Canvas& canvas) const {
    const ShapeRecord& s = opened_;
    const bool circle = s.KindCode() == ShapeKind::Circle,
               ellipse = s.KindCode() == ShapeKind::Ellipse;
    if (!circle && !ellipse && s.KindCode() != ShapeKind::Triangle) return;
    const int penColor = canvas.penColor();
    const Canvas::BrushStyle brush = canvas.brushStyle();
    const int fontSize = canvas.fontSize(), fontColor = canvas.fontColor();
    canvas.setPenMode(Canvas::PenMode::Copy);
    canvas.setPenStyle(Canvas::PenStyle::Solid);
    canvas.setBrushStyle(Canvas::BrushStyle::Clear);
    canvas.setFontSize(10);
    canvas.setFontColor(colors::Black);
    auto line = [&](long long x1, long long y1, long long x2, long long y2) {
        canvas.moveTo(ClampPixel(x1), ClampPixel(y1));
        canvas.lineTo(ClampPixel(x2), ClampPixel(y2));
    };
    auto letter = [&](long long x, long long y, const char* text) {
        canvas.textOut(ClampPixel(x), ClampPixel(y), QString::fromLatin1(text));
    };
    if (circle || ellipse) {
        const long long x1 = s.X1, y1 = s.Y1, x2 = s.X2, y2 = s.Y2;
        const long long cx = x1 + (x2 - x1) / 2, cy = y1 + (y2 - y1) / 2;
        const long long halfWidth = std::llabs(x2 - x1) / 2, halfHeight = std::llabs(y2 - y1) / 2;
        constexpr long long origin = BoardSize / 2;
        canvas.setPenWidth(2);
        // Perpendiculars from the centre to both axes.
        canvas.setPenColor(colors::GuidePerpendicular);
        line(cx, cy, cx, origin);
        line(cx, cy, origin, cy);
        // From the centre to the edge, along each axis, pointing away from the origin.
        const long long ex = cx >= origin ? cx + halfWidth : cx - halfWidth;
        const long long ey = cy <= origin ? cy - halfHeight : cy + halfHeight;
        canvas.setPenColor(colors::GuideRadius);
        line(cx, cy, ex, cy);
        line(cx, cy, cx, ey);
        letter(cx + 3, origin + 1, "a");
        letter(origin + 3, cy - 15, "b");
        letter(cx + (ex - cx) / 2 - 3, cy - 16, circle ? "r" : "h");
        letter(cx + 4, cy + (ey - cy) / 2 - 7, circle ? "r" : "p");
    } else {
        letter(static_cast<long long>(s.X3) - 4, static_cast<long long>(s.Y3) - 19, "c");
        letter(s.X4, static_cast<long long>(s.Y4) + 1, "a");
        letter(static_cast<long long>(s.Aux1) - 8, static_cast<long long>(s.Aux2) + 2, "b");
    }
    canvas.setPenWidth(1);
    canvas.setPenColor(penColor);
    canvas.setBrushStyle(brush);
    canvas.setFontSize(fontSize);
    canvas.setFontColor(fontColor);
}

} // namespace pelcor
