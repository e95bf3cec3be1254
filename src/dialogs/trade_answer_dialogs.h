#pragma once
// The computer general manager's side of trade talks: his answer to an offer
// (Trade Offer Response, 138) with his face and a line of banter, his hint
// of what he is in the market for (Trade Hint, 149), and the Trade Offer
// dialog (152) in which a team would propose a trade to the user.
#include <cstdint>

#include "frontoffice/trade_offer.h"
#include "platform/dialogs.h"
#include "platform/handles.h"

constexpr int32_t TRADE_OFFER_RESPONSE_DIALOG = 138;
constexpr int32_t TRADE_HINT_DIALOG = 149;
constexpr int32_t TRADE_OFFER_DIALOG = 152;

// Controls.
constexpr int32_t GM_FACE_PICTURE = 1392;
constexpr int32_t SPEECH_BUBBLE_FRAME = 1362;
constexpr int32_t SPEECH_BUBBLE_TEXT = 1390;
constexpr int32_t TRADE_HINT_LIST = 1030;
constexpr int32_t TRADE_OFFER_TITLE = 1388;
constexpr int32_t TRADE_OFFER_GIVE_LIST = 1030;
constexpr int32_t TRADE_OFFER_TAKE_LIST = 1031;

extern const DIALOG_TEMPLATE TRADE_OFFER_RESPONSE_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE TRADE_HINT_DIALOG_TEMPLATE;
extern const DIALOG_TEMPLATE TRADE_OFFER_DIALOG_TEMPLATE;

// The answering team and the score of its answer, for the dialog's lifetime;
// then the dialog. 1 when the user pressed the first button ("&Sign Deal",
// or "Hint" for a refused offer), else 0.
int32_t Open_Trade_Offer_Response(int32_t team, int32_t score);
// The team and score the response dialog last answered with.
int32_t Get_Answering_Team();
int32_t Get_Answering_Score();
intptr_t Trade_Offer_Response_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam,
                                          intptr_t lparam);

// The hint dialog opened after the status bar and the news ticker are
// repainted, as the response dialog is; returns its result.
int32_t Open_Trade_Hint();
// Shifts a control of the dialog by (dx, dy) in the dialog's client
// coordinates; nothing for a control the dialog lacks.
void Move_Control_By(WINDOW_HANDLE dialog, int32_t control_id, int32_t dx, int32_t dy);
// The hint of the team in Trade_Partner_Team: its needs, greatest first.
intptr_t Trade_Hint_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
void Fill_Trade_Hint_List(WINDOW_HANDLE dialog);

// A trade proposed to the user. The offer's team A is the proposing team and
// gives side 0; team B is the user's team. "&Let's Talk" exchanges the sides
// and opens the Trades dialog with the offer in hand; returns the dialog's
// result (1 for "&Let's Talk").
int32_t Open_Trade_Offer(const TRADE_OFFER* offer);
intptr_t Trade_Offer_Dialog_Proc(WINDOW_HANDLE dialog, uint32_t code, uintptr_t wparam, intptr_t lparam);
void Fill_Trade_Offer_Dialog_Lists(WINDOW_HANDLE dialog);
// A player row of the Trade Offer lists: "Name (POS)", rating, cap impact
// and contract years, tab-separated.
void Format_Trade_Offer_Player_Row(int32_t team, int32_t slot, char* buffer);
