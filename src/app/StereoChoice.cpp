#include "app/StereoChoice.h"

#include <array>
#include <utility>

#include "app/ControlIds.h"
#include "app/WindowTexts.h"

namespace tessaly::app {
namespace {

// The lists' items, in the order they are shown.
constexpr std::array<std::pair<movies::StereoLayout, std::string_view>, 3> kLayouts{{
    {movies::StereoLayout::Mono, texts::kMono},
    {movies::StereoLayout::TopBottom, texts::kTopBottom},
    {movies::StereoLayout::SideBySide, texts::kSideBySide},
}};
constexpr std::array<std::pair<int, std::string_view>, 2> kFields{{
    {movies::kFullField, texts::kField360},
    {movies::kHalfField, texts::kField180},
}};

template <typename Table>
std::vector<std::string> itemTexts(const Table& table) {
    std::vector<std::string> items;
    for (const auto& [value, text] : table) items.emplace_back(text);
    return items;
}

template <typename Table, typename Value>
int indexOf(const Table& table, const Value& value) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].first == value) return static_cast<int>(i);
    }
    return 0;
}

}  // namespace

StereoChoice::StereoChoice(QWidget* p, const Used& used) {
    addLabel(p, ids::kStereoLabel, texts::kStereoLabel, {12, 643, 110, 19}, {Qt::black, std::nullopt},
             Qt::AlignLeft | Qt::AlignVCenter, Edge::None, true, used);
    layout_ = addList(p, ids::kStereoLayout, {124, 642, 100, 60}, itemTexts(kLayouts), used);
    field_ = addList(p, ids::kField, {228, 642, 50, 47}, itemTexts(kFields), used);
    layout_->setCurrentIndex(0);
    field_->setCurrentIndex(0);
    QObject::connect(layout_, &QComboBox::activated, layout_, [this] { changed(); });
    QObject::connect(field_, &QComboBox::activated, field_, [this] { changed(); });
}

movies::MovieFormat StereoChoice::format() const {
    const auto at = [](const auto& table, int index) {
        return table[static_cast<std::size_t>(index >= 0 && index < static_cast<int>(table.size()) ? index
                                                                                                   : 0)]
            .first;
    };
    return {at(kLayouts, layout_->currentIndex()), at(kFields, field_->currentIndex())};
}

void StereoChoice::setFormat(const movies::MovieFormat& format) {
    layout_->setCurrentIndex(indexOf(kLayouts, format.layout));
    field_->setCurrentIndex(indexOf(kFields, format.field));
    changed();
}

void StereoChoice::setFollower(std::function<void(const movies::MovieFormat&)> follower) {
    follower_ = std::move(follower);
    changed();
}

void StereoChoice::changed() {
    if (follower_) follower_(format());
}

}  // namespace tessaly::app
