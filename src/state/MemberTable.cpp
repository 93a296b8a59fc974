#include "state/MemberTable.h"

#include <array>

#include "core/Format.h"

namespace {

using G = GameState;

#define MG_SAVED(key) \
  MemberInfo { #key, &G::key, true }
#define MG_FIGHT(key) \
  MemberInfo { #key, &G::key, false }

const std::array kMembers = {
    MG_SAVED(Nick),          MG_SAVED(Password),      MG_SAVED(Version),
    MG_SAVED(Place),         MG_SAVED(Sound),

    MG_SAVED(AttLevel),      MG_SAVED(AttKick),       MG_SAVED(AttDexterity),
    MG_SAVED(AttGoodLuck),   MG_SAVED(AttHealth),     MG_SAVED(AttHP),
    MG_SAVED(MoveAttHP),     MG_SAVED(AttPower),      MG_SAVED(AttOD),
    MG_SAVED(AttKB),         MG_SAVED(AttUlov),       MG_SAVED(AttToch),
    MG_SAVED(AttStoi),       MG_SAVED(AttSokr),

    MG_SAVED(Money),         MG_SAVED(Win),           MG_SAVED(Noup),
    MG_SAVED(Lose),          MG_SAVED(Point),         MG_SAVED(PointPeace),
    MG_SAVED(PointLev),      MG_SAVED(PointPar),      MG_SAVED(PointUm),
    MG_SAVED(Strannik),      MG_SAVED(Lesorub),       MG_SAVED(NumRub),
    MG_SAVED(ShitTrue),

    MG_SAVED(Avatar),        MG_SAVED(Shlem),         MG_SAVED(Amulet),
    MG_SAVED(Oruzhie),       MG_SAVED(Shit),          MG_SAVED(Poyas),
    MG_SAVED(SodPoyas1),     MG_SAVED(SodPoyas2),     MG_SAVED(SodPoyas3),
    MG_SAVED(Sapogi),        MG_SAVED(SodKarman),     MG_SAVED(Karman),
    MG_SAVED(Naruchi),       MG_SAVED(Perchi),        MG_SAVED(Kolco1),
    MG_SAVED(Kolco2),        MG_SAVED(Bronya),        MG_SAVED(Kolch),

    MG_SAVED(ShlemHint),     MG_SAVED(AmuletHint),    MG_SAVED(OruzhieHint),
    MG_SAVED(PoyasHint),     MG_SAVED(SodPoyas1Hint), MG_SAVED(SodPoyas2Hint),
    MG_SAVED(SodPoyas3Hint), MG_SAVED(SapogiHint),    MG_SAVED(SodKarmanHint),
    MG_SAVED(KarmanHint),    MG_SAVED(NaruchiHint),   MG_SAVED(PerchiHint),
    MG_SAVED(ShitHint),      MG_SAVED(Kolco1Hint),    MG_SAVED(Kolco2Hint),
    MG_SAVED(BronyaHint),    MG_SAVED(KolchHint),

    MG_FIGHT(OpponentKind),  MG_FIGHT(DamageDealt),   MG_FIGHT(DamageTaken),
    MG_FIGHT(FightExp),
};

#undef MG_SAVED
#undef MG_FIGHT

constexpr std::size_t kSavedCount = 67;

std::array<MemberInfo, kSavedCount> RegistrationOrder() {
  std::array<MemberInfo, kSavedCount> order{};
  for (std::size_t i = 0; i < kSavedCount; ++i) order[i] = kMembers[i];
  // Noup and Lose trade places.
  std::size_t noup = 0;
  while (std::string(order[noup].key) != "Noup") ++noup;
  std::swap(order[noup], order[noup + 1]);
  return order;
}

const std::array<MemberInfo, kSavedCount> kRegistrationMembers = RegistrationOrder();

const std::array kRanges = {
    MemberRange{"Place", 1, 20},  // the world map's places
    MemberRange{"Sound", 0, 1},
    MemberRange{"Strannik", 0, 100},  // spending a skill point stops at 100
    MemberRange{"Lesorub", 0, 100},
};

}  // namespace

MemberType MemberInfo::Type() const {
  if (std::holds_alternative<int G::*>(member)) return MemberType::Integer;
  if (std::holds_alternative<float G::*>(member)) return MemberType::Money;
  return MemberType::Text;
}

std::string MemberInfo::Text(const GameState& state, char decimalPoint) const {
  if (auto p = std::get_if<int G::*>(&member)) return std::to_string(state.**p);
  if (auto p = std::get_if<float G::*>(&member)) return FormatFloat(state.**p, decimalPoint);
  return state.*std::get<std::string G::*>(member);
}

std::span<const MemberInfo> GameStateMembers() { return kMembers; }

std::span<const MemberInfo> SavedMembers() { return std::span(kMembers).first(kSavedCount); }

std::span<const MemberInfo> RegistrationMembers() { return kRegistrationMembers; }

std::span<const MemberRange> SavedRanges() { return kRanges; }

const MemberInfo* FindMember(const std::string& key) {
  for (const auto& info : kMembers) {
    if (key == info.key) return &info;
  }
  return nullptr;
}
