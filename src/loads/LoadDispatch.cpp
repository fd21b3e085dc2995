#include <array>

#include "loads/LoadProcedures.h"

namespace {

constexpr std::array<LoadProcedure, 40> kProcedures{
    LoadHorizontal1R1C, LoadHorizontal1R2C, LoadHorizontal1R3C, LoadHorizontal1R4C,  //
    LoadHorizontal2R1C, LoadHorizontal2R2C, LoadHorizontal2R3C, LoadHorizontal2R4C,  //
    LoadVertical1R1C,   LoadVertical1R2C,   LoadVertical1R3C,   LoadVertical1R4C,    //
    LoadVertical2R1C,   LoadVertical2R2C,   LoadVertical2R3C,   LoadVertical2R4C,    //
    LoadWall1R1C,       LoadWall1R2C,       LoadWall1R3C,       LoadWall1R4C,        //
    LoadWall2R1C,       LoadWall2R2C,       LoadWall2R3C,       LoadWall2R4C,        //
    LoadLongTilt1R1C,   LoadLongTilt1R2C,   LoadLongTilt1R3C,   LoadLongTilt1R4C,    //
    LoadLongTilt2R1C,   LoadLongTilt2R2C,   LoadLongTilt2R3C,   LoadLongTilt2R4C,    //
    LoadLatTilt1R1C,    LoadLatTilt1R2C,    LoadLatTilt1R3C,    LoadLatTilt1R4C,     //
    LoadLatTilt2R1C,    LoadLatTilt2R2C,    LoadLatTilt2R3C,    LoadLatTilt2R4C,     //
};

}  // namespace

LoadProcedure FindLoadProcedure(int installation, int combination) {
    if (installation < 0 || installation > 4 || combination < 0 || combination > 7) return nullptr;
    return kProcedures[8 * installation + combination];
}
