// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/pdf/CairoPdf.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <memory>

namespace zodrivel {

namespace {

// fontconfig picks the installed sans-serif face, as the window's default font does.
constexpr const char* Typeface = "sans-serif";

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

class CairoCanvas : public PageCanvas {
public:
    explicit CairoCanvas(cairo_t* cr) : cr_(cr) {}

    double textWidth(std::string_view utf8, bool bold, double sizePt) override {
        if (utf8.empty()) return 0;
        choose(bold, sizePt);
        const std::string text(utf8);  // cairo reads up to a NUL
        cairo_text_extents_t extents;
        cairo_text_extents(cr_, text.c_str(), &extents);
        return extents.x_advance;
    }

    void startPage() override {
        if (started_) cairo_show_page(cr_);
        started_ = true;
    }

    void drawText(double x, double baseline, std::string_view utf8, bool bold, double sizePt,
                  Rgb colour) override {
        if (utf8.empty()) return;
        choose(bold, sizePt);
        cairo_set_source_rgb(cr_, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
        cairo_move_to(cr_, x, baseline);
        const std::string text(utf8);
        cairo_show_text(cr_, text.c_str());
    }

    void drawRule(double x1, double x2, double y) override {
        cairo_set_source_rgb(cr_, 0.6, 0.6, 0.6);
        cairo_set_line_width(cr_, 0.5);
        cairo_move_to(cr_, x1, y);
        cairo_line_to(cr_, x2, y);
        cairo_stroke(cr_);
    }

private:
    void choose(bool bold, double sizePt) {
        cairo_select_font_face(cr_, Typeface, CAIRO_FONT_SLANT_NORMAL,
                               bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr_, sizePt);
    }

    cairo_t* cr_;
    bool started_ = false;
};

}  // namespace

std::string cairoPdf(const RichTextDocument& report, std::string_view headerName,
                     const PageSetup& setup) {
    std::string bytes;
    const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_pdf_surface_create_for_stream(appendToString, &bytes, setup.width, setup.height),
        cairo_surface_destroy);
    const std::string title(headerName);
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, title.c_str());
    {
        const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()),
                                                                    cairo_destroy);
        CairoCanvas canvas(cr.get());
        layOutPages(report, headerName, canvas, setup);
        cairo_show_page(cr.get());
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return {};
    }
    cairo_surface_finish(surface.get());
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return {};
    return bytes;
}

}  // namespace zodrivel
