// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings and the program icon, by name, with their pixel sizes.
// Each is compiled into the program from assets/drawings/<file>.svg.
#pragma once

#include <array>
#include <string_view>

namespace ossarion {

enum class Asset {
    Title, SkeletonFront, SkeletonBack, Arm, Hand, Leg, Foot, PelvisFront, PelvisBack,
    HipBone, MarkedHipBone, Sacrum, Coccyx, Skull, CraniumSide, CranialBones, Face,
    SmallFace, FacialBones, RibCage, Spine, Hyoid, EarBones, Sesamoid, Fontanelle,
    Icon,
};

struct AssetInfo {
    Asset asset;
    std::string_view file; // base name of the source and of the compiled image
    int width;             // pixels
    int height;
    std::string_view shows; // what the picture shows, in a few words
};

inline constexpr std::array<AssetInfo, 26> assetTable{{
    {Asset::Title, "title", 380, 505, "A skeleton standing in a thinking pose"},
    {Asset::SkeletonFront, "skeleton-front", 207, 501, "The whole skeleton from the front"},
    {Asset::SkeletonBack, "skeleton-back", 230, 478, "The whole skeleton from behind"},
    {Asset::Arm, "arm", 160, 492, "The bones of the arm and shoulder"},
    {Asset::Hand, "hand", 306, 474, "The bones of the wrist and hand"},
    {Asset::Leg, "leg", 120, 492, "The bones of the leg"},
    {Asset::Foot, "foot", 200, 468, "The bones of the ankle and foot"},
    {Asset::PelvisFront, "pelvis-front", 300, 225, "The pelvis from the front"},
    {Asset::PelvisBack, "pelvis-back", 300, 215, "The pelvis from behind"},
    {Asset::HipBone, "hip-bone", 189, 257, "A hip bone"},
    {Asset::MarkedHipBone, "hip-bone-marked", 189, 257, "The other hip bone"},
    {Asset::Sacrum, "sacrum", 140, 180, "The sacrum"},
    {Asset::Coccyx, "coccyx", 30, 65, "The coccyx"},
    {Asset::Skull, "skull", 500, 293, "The skull from the side and from the front"},
    {Asset::CraniumSide, "cranium-side", 225, 188, "The cranium from the side"},
    {Asset::CranialBones, "cranial-bones", 428, 382, "The bones of the cranium drawn apart"},
    {Asset::Face, "face", 157, 281, "The skull from the front"},
    {Asset::SmallFace, "face-small", 130, 233, "The skull from the front"},
    {Asset::FacialBones, "facial-bones", 526, 470, "The bones of the face drawn apart"},
    {Asset::RibCage, "rib-cage", 452, 506, "The rib cage from the front"},
    {Asset::Spine, "spine", 216, 352, "The spine and single vertebrae"},
    {Asset::Hyoid, "hyoid", 233, 172, "The hyoid bone"},
    {Asset::EarBones, "ear-bones", 135, 131, "The three bones of the middle ear"},
    {Asset::Sesamoid, "sesamoid", 59, 81, "A thumb metacarpal with two sesamoid bones"},
    {Asset::Fontanelle, "fontanelle", 205, 240, "A baby's skull from above with its fontanelles"},
    {Asset::Icon, "icon", 32, 32, "Ossarion"},
}};

constexpr const AssetInfo &assetInfo(Asset a) { return assetTable[static_cast<std::size_t>(a)]; }

static_assert([] {
    for (std::size_t i = 0; i < assetTable.size(); ++i)
        if (static_cast<std::size_t>(assetTable[i].asset) != i)
            return false;
    return true;
}(), "assetTable must list the assets in the order of the enum");

} // namespace ossarion
