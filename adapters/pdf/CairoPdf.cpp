// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/pdf/CairoPdf.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <memory>
#include <pango/pangocairo.h>

#include "adapters/pdf/CairoWheel.h"

namespace zodrivel {

namespace {

// fontconfig picks the installed sans-serif face, as the window's default font does, and the
// monospace one for the tables that line up by character.
constexpr const char* Typeface = "Sans";
constexpr const char* FixedTypeface = "Monospace";

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// Text is shaped by Pango (HarfBuzz underneath): a combining accent is placed on its letter, a
// letter missing from the face comes from another that has it, and measures agree with what
// is drawn.
class CairoCanvas : public PageCanvas {
public:
    CairoCanvas(cairo_t* cr, const ChartDescription* chart)
        : cr_(cr), chart_(chart), layout_(pango_cairo_create_layout(cr), g_object_unref) {
        // Advances in unhinted outlines: PDF pages are scaled, never drawn to a pixel grid.
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        pango_cairo_context_set_font_options(pango_layout_get_context(layout_.get()), options);
        cairo_font_options_destroy(options);
        pango_layout_context_changed(layout_.get());
    }

    double textWidth(std::string_view utf8, bool bold, double sizePt) override {
        if (utf8.empty()) return 0;
        set(utf8, bold, sizePt);
        PangoRectangle logical;
        pango_layout_get_extents(layout_.get(), nullptr, &logical);
        return static_cast<double>(logical.width) / PANGO_SCALE;
    }

    void startPage() override {
        if (started_) cairo_show_page(cr_);
        started_ = true;
    }

    void drawText(double x, double baseline, std::string_view utf8, bool bold, double sizePt,
                  Rgb colour) override {
        if (utf8.empty()) return;
        set(utf8, bold, sizePt);
        cairo_set_source_rgb(cr_, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
        const double ascent =
            static_cast<double>(pango_layout_get_baseline(layout_.get())) / PANGO_SCALE;
        cairo_move_to(cr_, x, baseline - ascent);
        pango_cairo_show_layout(cr_, layout_.get());
    }

    void drawRule(double x1, double x2, double y) override {
        cairo_set_source_rgb(cr_, 0.6, 0.6, 0.6);
        cairo_set_line_width(cr_, 0.5);
        cairo_move_to(cr_, x1, y);
        cairo_line_to(cr_, x2, y);
        cairo_stroke(cr_);
    }

    void setFixedPitch(bool on) override { fixedPitch_ = on; }

    void drawFigure(Figure figure, double x, double top, double side) override {
        if (figure == Figure::ChartWheel && chart_ != nullptr) {
            drawCairoWheel(cr_, *chart_, x, top, side);
        }
    }

private:
    void set(std::string_view utf8, bool bold, double sizePt) {
        PangoFontDescription* font =
            pango_font_description_from_string(fixedPitch_ ? FixedTypeface : Typeface);
        pango_font_description_set_absolute_size(font, sizePt * PANGO_SCALE);
        pango_font_description_set_weight(font, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
        pango_layout_set_font_description(layout_.get(), font);
        pango_font_description_free(font);
        pango_layout_set_text(layout_.get(), utf8.data(), static_cast<int>(utf8.size()));
    }

    cairo_t* cr_;
    const ChartDescription* chart_;
    std::unique_ptr<PangoLayout, decltype(&g_object_unref)> layout_;
    bool started_ = false;
    bool fixedPitch_ = false;
};

}  // namespace

std::string cairoPdf(const RichTextDocument& report, std::string_view headerName,
                     const PageSetup& setup, const ChartDescription* wheelChart) {
    std::string bytes;
    const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_pdf_surface_create_for_stream(appendToString, &bytes, setup.width, setup.height),
        cairo_surface_destroy);
    const std::string title(headerName);
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, title.c_str());
    {
        const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()),
                                                                    cairo_destroy);
        CairoCanvas canvas(cr.get(), wheelChart);
        layOutPages(report, headerName, canvas, setup);
        cairo_show_page(cr.get());
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return {};
    }
    cairo_surface_finish(surface.get());
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return {};
    return bytes;
}

}  // namespace zodrivel
