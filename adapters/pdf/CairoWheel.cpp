// SPDX-License-Identifier: AGPL-3.0-or-later
#include "adapters/pdf/CairoWheel.h"

#include <cairo.h>
#include <cmath>
#include <memory>
#include <numbers>
#include <optional>
#include <pango/pangocairo.h>
#include <vector>

#include "core/model/Angles.h"
#include "core/wheel/WheelLayout.h"

namespace zodrivel {

namespace {

constexpr const char* BodyGlyphs[] = {"\u2609", "\u263D", "\u263F", "\u2640", "\u2642",
                                      "\u2643", "\u2644", "\u2645", "\u2646", "\u2647"};
// The North Node, Lilith and Chiron after the bodies; the South Node opposite the North.
const char* glyphOf(const WheelBody& body) {
    if (body.southNode) return "\u260B";
    switch (body.id) {
        case PointId::NorthNode: return "\u260A";
        case PointId::Lilith: return "\u26B8";
        case PointId::Chiron: return "\u26B7";
        default: break;
    }
    const int slot = indexOf(body.id);
    return slot >= 0 && slot < BodyCount ? BodyGlyphs[slot] : "?";
}

constexpr const char* SignGlyphs[] = {"\u2648", "\u2649", "\u264A", "\u264B", "\u264C", "\u264D",
                                      "\u264E", "\u264F", "\u2650", "\u2651", "\u2652", "\u2653"};
// Fire, earth, air, water: the faint tints behind the signs, as the window's wheel on paper.
constexpr double Tints[4][3] = {{250 / 255.0, 228 / 255.0, 220 / 255.0},
                                {232 / 255.0, 240 / 255.0, 220 / 255.0},
                                {250 / 255.0, 248 / 255.0, 220 / 255.0},
                                {220 / 255.0, 232 / 255.0, 248 / 255.0}};

struct Geometry {
    double cx, cy, radius, signBand, glyphs, aspects, houseNumbers, rotation;
    double angle(double longitude) const { return wheelAngle(longitude - rotation); }
    double xAt(double longitude, double r) const { return cx + r * std::cos(angle(longitude)); }
    double yAt(double longitude, double r) const { return cy - r * std::sin(angle(longitude)); }
};

void line(cairo_t* cr, const Geometry& g, double longitude, double r1, double r2) {
    cairo_move_to(cr, g.xAt(longitude, r1), g.yAt(longitude, r1));
    cairo_line_to(cr, g.xAt(longitude, r2), g.yAt(longitude, r2));
    cairo_stroke(cr);
}

// `text` centred on (x, y), in the sans-serif face at `size` units, turned by `turn` radians
// (clockwise on the page).
void centredText(cairo_t* cr, const char* text, double x, double y, double size, bool bold,
                 double turn = 0) {
    const std::unique_ptr<PangoLayout, decltype(&g_object_unref)> layout(
        pango_cairo_create_layout(cr), g_object_unref);
    PangoFontDescription* font = pango_font_description_from_string("Sans");
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    if (bold) pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
    pango_layout_set_font_description(layout.get(), font);
    pango_font_description_free(font);
    pango_layout_set_text(layout.get(), text, -1);
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout.get(), &ink, &logical);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    cairo_move_to(cr, -ink.x - ink.width / 2.0, -ink.y - ink.height / 2.0);
    pango_cairo_show_layout(cr, layout.get());
    cairo_restore(cr);
}

}  // namespace

void drawCairoWheel(cairo_t* cr, const ChartDescription& chart, double x, double top, double side) {
    const bool houses = chart.houses.has_value();
    const double margin = houses ? side * 0.07 : side * 0.02;
    const double radius = side / 2 - margin;
    const Geometry g{x + side / 2,  top + side / 2,
                     radius,        radius * 0.85,
                     radius * 0.72, radius * (houses ? 0.42 : 0.48),
                     radius * 0.47, houses ? chart.houses->ascendant : 0.0};
    std::vector<ChartPoint> bodies;
    for (const PointDescription& p : chart.positions) bodies.push_back(p.point);
    for (const PointDescription& p : chart.points) bodies.push_back(p.point);
    std::vector<double> lines;
    if (houses) {
        lines.assign(chart.houses->cusps.begin(), chart.houses->cusps.end());
        lines.push_back(chart.houses->ascendant);
        lines.push_back(chart.houses->midheaven);
    }
    // Wider than on screen: the degree labels stand beside the glyphs on paper.
    const WheelLayout layout = computeWheelLayout(bodies, chart.aspects, englishTexts(), lines,
                                                  GlyphSpacing * 1.15, chart.pointAspects);

    cairo_save(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_rectangle(cr, x, top, side, side);
    cairo_fill(cr);
    // The signs' sectors, tinted by element.
    for (int sign = 0; sign < 12; ++sign) {
        const double a1 = -g.angle(sign * 30.0);
        const double a2 = -g.angle(sign * 30.0 + 30);
        cairo_new_path(cr);
        cairo_arc_negative(cr, g.cx, g.cy, g.radius, a1, a2);
        cairo_arc(cr, g.cx, g.cy, g.signBand, a2, a1);
        cairo_close_path(cr);
        cairo_set_source_rgb(cr, Tints[sign % 4][0], Tints[sign % 4][1], Tints[sign % 4][2]);
        cairo_fill(cr);
    }
    cairo_set_source_rgb(cr, 70 / 255.0, 70 / 255.0, 90 / 255.0);
    cairo_set_line_width(cr, std::max(0.5, radius * 0.006));
    for (const double r : {g.radius, g.signBand, g.aspects}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, g.cx, g.cy, r, 0, 2 * std::numbers::pi);
        cairo_stroke(cr);
    }
    for (int degree = 0; degree < 360; degree += 5) {
        const double band = g.radius - g.signBand;
        const double length = degree % 30 == 0   ? band
                              : degree % 10 == 0 ? band * 0.22
                                                 : band * 0.13;
        line(cr, g, degree, g.signBand, g.signBand + length);
    }
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (int sign = 0; sign < 12; ++sign) {
        const double mid = sign * 30 + 15;
        const double r = (g.radius + g.signBand) / 2;
        centredText(cr, SignGlyphs[sign], g.xAt(mid, r), g.yAt(mid, r), radius * 0.09, false);
    }
    if (houses) {
        const ChartHouses& h = *chart.houses;
        cairo_set_source_rgb(cr, 0.47, 0.47, 0.47);
        cairo_set_line_width(cr, std::max(0.4, radius * 0.004));
        for (const double cusp : h.cusps) line(cr, g, cusp, g.aspects, g.signBand);
        for (int house = 0; house < 12; ++house) {
            const double start = h.cusps[static_cast<std::size_t>(house)];
            const double middle =
                start +
                wrapDegrees(h.cusps[static_cast<std::size_t>((house + 1) % 12)] - start) / 2;
            const std::string number = std::to_string(house + 1);
            centredText(cr, number.c_str(), g.xAt(middle, g.houseNumbers),
                        g.yAt(middle, g.houseNumbers), radius * 0.045, false);
        }
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, std::max(1.0, radius * 0.01));
        for (const auto& [longitude, name] :
             {std::pair{h.ascendant, "Asc"}, std::pair{h.midheaven, "MC"}}) {
            line(cr, g, longitude, g.aspects, g.radius * 1.02);
            const double reach = g.radius * 1.09;
            centredText(cr, name, g.xAt(longitude, reach), g.yAt(longitude, reach), radius * 0.055,
                        true);
        }
    }
    // Aspect lines between the true places on the inner circle; those of the points and angles
    // finer and dotted.
    const auto longitudeOf = [&](PointId id) -> std::optional<double> {
        const int at = layout.indexOf(id);
        if (at >= 0) return layout.bodies[static_cast<std::size_t>(at)].longitude;
        if (houses && id == PointId::Ascendant) return chart.houses->ascendant;
        if (houses && id == PointId::Midheaven) return chart.houses->midheaven;
        return std::nullopt;
    };
    std::vector<WheelLine> all = layout.lines;
    all.insert(all.end(), layout.pointLines.begin(), layout.pointLines.end());
    for (const WheelLine& aspect : all) {
        const auto a = longitudeOf(aspect.hit.first);
        const auto b = longitudeOf(aspect.hit.second);
        if (!a || !b) continue;
        if (aspect.tone == LineTone::Hard) {
            cairo_set_source_rgb(cr, 190 / 255.0, 30 / 255.0, 30 / 255.0);
        } else {
            cairo_set_source_rgb(cr, 30 / 255.0, 80 / 255.0, 190 / 255.0);
        }
        const double thin = aspect.toPoint ? 0.6 : 1.0;
        cairo_set_line_width(cr, std::max(0.4, radius * 0.007 * aspect.width * thin));
        const double dash[] = {aspect.toPoint ? radius * 0.008 : radius * 0.03};
        cairo_set_dash(cr, dash, aspect.dashed || aspect.toPoint ? 1 : 0, 0);
        cairo_move_to(cr, g.xAt(*a, g.aspects), g.yAt(*a, g.aspects));
        cairo_line_to(cr, g.xAt(*b, g.aspects), g.yAt(*b, g.aspects));
        cairo_stroke(cr);
    }
    cairo_set_dash(cr, nullptr, 0, 0);
    // Bodies: a tick at the true place, a leader where the glyph moved aside, the glyph and its
    // degree label on the glyph ring.
    for (const WheelBody& body : layout.bodies) {
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, std::max(0.5, radius * 0.005));
        line(cr, g, body.longitude, g.signBand, g.signBand - radius * 0.03);
        cairo_new_sub_path(cr);
        cairo_arc(cr, g.xAt(body.longitude, g.aspects), g.yAt(body.longitude, g.aspects),
                  radius * 0.01, 0, 2 * std::numbers::pi);
        cairo_fill(cr);
        if (body.displaced) {
            cairo_set_source_rgb(cr, 0.47, 0.47, 0.47);
            line(cr, g, body.longitude, g.signBand - radius * 0.03, g.glyphs + radius * 0.06);
            line(cr, g, body.displayLongitude, g.glyphs + radius * 0.06, g.glyphs + radius * 0.055);
        }
        cairo_set_source_rgb(cr, 0, 0, 0);
        centredText(cr, glyphOf(body), g.xAt(body.displayLongitude, g.glyphs),
                    g.yAt(body.displayLongitude, g.glyphs), radius * 0.095, false);
        // The degree label runs along the radius, as on screen, so neighbours a glyph apart
        // never touch; on the left half it is turned round to read left to right.
        const double labelAt = g.glyphs - radius * 0.15;
        const double radial = g.angle(body.displayLongitude);
        const bool leftHalf = std::cos(radial) < 0;
        centredText(cr, body.label.c_str(), g.xAt(body.displayLongitude, labelAt),
                    g.yAt(body.displayLongitude, labelAt), radius * 0.042, false,
                    -radial + (leftHalf ? std::numbers::pi : 0));
    }
    cairo_restore(cr);
}

std::string cairoWheelPng(const ChartDescription& chart, int sidePixels) {
    const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, sidePixels, sidePixels),
        cairo_surface_destroy);
    {
        const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()),
                                                                    cairo_destroy);
        drawCairoWheel(cr.get(), chart, 0, 0, sidePixels);
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) return {};
    }
    std::string bytes;
    const auto append = [](void* closure, const unsigned char* data, unsigned int length) {
        static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
    };
    if (cairo_surface_write_to_png_stream(surface.get(), append, &bytes) != CAIRO_STATUS_SUCCESS) {
        return {};
    }
    return bytes;
}

}  // namespace zodrivel
