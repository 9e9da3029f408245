#pragma once
// The events through which a run reaches its owner: host routines (every
// prototype without the built-in flag), host errors and object variables.
//
// Events are plain std::function members, named and shaped like the published
// events: the routine name (upper case), its Index and the argument list by
// position; a handler sets Err_CD to 0 when it has done the work (it starts
// as -1, so a name the handler does not know ends the run through ErrorProc).
#include <cstdint>
#include <functional>
#include <string>

#include "macro/engine/ppa_entries.h"

namespace ppa {

using TProcParam = std::function<void(const std::string& ProcName, std::int32_t Index,
                                      const TPPAArguments& Argument, std::int32_t& Err_CD)>;
using TIntFuncParam =
    std::function<void(const std::string& FuncName, std::int32_t Index, const TPPAArguments& Argument,
                       std::int32_t& Err_CD, std::int64_t& ResultValue)>;
using TRealFuncParam =
    std::function<void(const std::string& FuncName, std::int32_t Index, const TPPAArguments& Argument,
                       std::int32_t& Err_CD, double& ResultValue)>;
using TStrFuncParam =
    std::function<void(const std::string& FuncName, std::int32_t Index, const TPPAArguments& Argument,
                       std::int32_t& Err_CD, std::string& ResultValue)>;
// Err_Message arrives preset to a default text naming the routine or object.
using TErrorProc = std::function<void(std::int32_t Error_CD, std::string& Err_Message)>;
// GS_Mode 0: the host supplies Value; 1: the host receives the new Value.
using TIntObjParam = std::function<void(const std::string& ObjName, std::int32_t Index, std::uint8_t GS_Mode,
                                        std::int32_t& Err_CD, std::int64_t& Value)>;
using TRealObjParam = std::function<void(const std::string& ObjName, std::int32_t Index, std::uint8_t GS_Mode,
                                         std::int32_t& Err_CD, double& Value)>;
using TStrObjParam = std::function<void(const std::string& ObjName, std::int32_t Index, std::uint8_t GS_Mode,
                                        std::int32_t& Err_CD, std::string& Value)>;

// The published events, in their published order.
struct TPPAEvents {
    TProcParam ProcParam;
    TIntFuncParam IntFuncParam;
    TRealFuncParam RealFuncParam;
    TStrFuncParam StrFuncParam;
    TErrorProc ErrorProc;
    TIntObjParam IntObjParam;
    TRealObjParam RealObjParam;
    TStrObjParam StrObjParam;
};

}  // namespace ppa
