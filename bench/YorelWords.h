/** @file YorelWords.h
 ** The language's word lists, for the peers' highlighters. **/
#pragma once

#include <QStringList>

inline QStringList YorelKeywords() {
  return QStringLiteral(
             "aaa aad aam aas add and cbw cdq clc cld cli clts cmc cmpsb cmpsw daa das dec div hlt "
             "idiv inc insb insw into invd iret lahf lea leave lock lodsb lodsw mov movsb movsw "
             "not "
             "or outsb outsw pop popad popfd push pushad pushfd repe repn ret sahf scasb scasw stc "
             "std sti stosb stosw sub wait wbinvd xlat xor as block break class const continue "
             "downto else elseif entry exports for function if imports is macro procedure program "
             "ptr start static this to until while boolean byte char double dword extended int "
             "int32 int64 pointer qword real10 real4 real8 sbyte short single string wchar "
             "widechar "
             "word fadd faddp fld fstp fmul fdiv fsub fxch emms movd movq paddd paddb psubb")
      .split(u' ');
}

inline QStringList YorelRegisters() {
  return QStringLiteral(
             "ah al ax bh bl bp bx ch cl cx dh di dl dx eax ebp ebx ecx edi edx esi esp si sp cs "
             "ds "
             "es fs gs ss mm1 mm2 mm3 mm4 mm5 mm6 mm7 st delete false freemem malloc new nil no "
             "null "
             "true yes")
      .split(u' ');
}
