/** @file RecoveryOffer.h
 ** At start: the recovery files that studios which are gone left behind, offered to the user. **/
#pragma once

class TMainFRM;
class TRecoveryStore;

/** Shows the recovery dialog when there is anything to recover; returns at once otherwise. */
void OfferRecovery(TMainFRM& Main);
void OfferRecovery(TMainFRM& Main, TRecoveryStore& Store);
