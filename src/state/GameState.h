#pragma once

#include <string>

#include "core/Translate.h"

// Text of a hint member while its slot holds nothing.
inline constexpr const char* kEmptySlot = QT_TRANSLATE_NOOP("Item", "Пустой слот");
inline constexpr const char* kSaveFormatVersion = "0.5";

// The player's character and the game: one instance for the whole run, read and
// written in place by every screen. Members carry their save keys as names.
struct GameState {
  // Identity and options.
  std::string Nick;
  std::string Password;
  std::string Version = kSaveFormatVersion;
  int Place = 5;
  int Sound = 1;
  std::string Avatar = "image\\1.bmp";

  // Level, stats and combat values.
  int AttLevel = 1;
  int AttPower = 26;
  int AttDexterity = 26;
  int AttGoodLuck = 26;
  int AttHealth = 5;
  int AttKick = 1;
  int AttKB = 1;
  int AttUlov = 1;
  int AttToch = 1;
  int AttStoi = 1;
  int AttSokr = 1;
  int AttHP = 50;
  int MoveAttHP = 50;
  int AttOD = 100;
  int ShitTrue = 0;

  // Experience, points, skills and money.
  int Point = 0;
  int PointPeace = 0;
  int PointLev = 2500;
  int PointPar = 0;
  int PointUm = 0;
  int Strannik = 0;
  int Lesorub = 0;
  int NumRub = 0;
  int Win = 0;
  int Lose = 0;
  int Noup = 0;
  float Money = 2000;

  // Equipment: each slot's picture path and the name of what it holds.
  std::string Shlem = "image\\Шлем.bmp";
  std::string Amulet = "image\\Амулет.bmp";
  std::string Oruzhie = "image\\Оружие.bmp";
  std::string Poyas = "image\\Пояс.bmp";
  std::string SodPoyas1 = "image\\Содержимое пояса.bmp";
  std::string SodPoyas2 = "image\\Содержимое пояса.bmp";
  std::string SodPoyas3 = "image\\Содержимое пояса.bmp";
  std::string Sapogi = "image\\Сапоги.bmp";
  std::string SodKarman = "image\\Содержимое кармана.bmp";
  std::string Karman = "image\\Карман.bmp";
  std::string Naruchi = "image\\Наручи.bmp";
  std::string Perchi = "image\\Перчатки.bmp";
  std::string Shit = "image\\Оружие.bmp";
  std::string Kolco1 = "image\\Кольцо.bmp";
  std::string Kolco2 = "image\\Кольцо.bmp";
  std::string Bronya = "image\\Броня.bmp";
  std::string Kolch;  // the chain mail has no empty picture

  std::string ShlemHint = kEmptySlot;
  std::string AmuletHint = kEmptySlot;
  std::string OruzhieHint = kEmptySlot;
  std::string PoyasHint = kEmptySlot;
  std::string SodPoyas1Hint = kEmptySlot;
  std::string SodPoyas2Hint = kEmptySlot;
  std::string SodPoyas3Hint = kEmptySlot;
  std::string SapogiHint = kEmptySlot;
  std::string SodKarmanHint = kEmptySlot;
  std::string KarmanHint = kEmptySlot;
  std::string NaruchiHint = kEmptySlot;
  std::string PerchiHint = kEmptySlot;
  std::string ShitHint = kEmptySlot;
  std::string Kolco1Hint = kEmptySlot;
  std::string Kolco2Hint = kEmptySlot;
  std::string BronyaHint = kEmptySlot;
  std::string KolchHint = kEmptySlot;

  // The running fight; never saved.
  int OpponentKind = 0;
  int DamageDealt = 0;
  int DamageTaken = 0;
  int FightExp = 0;
};

// The seventeen equipment slots: picture member, hint member, picture when empty.
struct EquipSlotInfo {
  const char* name;
  std::string GameState::*picture;
  std::string GameState::*hint;
  const char* emptyPicture;
};

inline constexpr int kEquipSlotCount = 17;
extern const EquipSlotInfo kEquipSlots[kEquipSlotCount];
// The slot by its member name ("Shlem", "Kolco2"); nullptr when unknown.
const EquipSlotInfo* FindEquipSlot(const std::string& name);
