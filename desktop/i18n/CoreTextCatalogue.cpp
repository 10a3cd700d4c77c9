// SPDX-License-Identifier: AGPL-3.0-or-later
// Written by scripts/update-translations.sh from the core's tables (CoreTextList.cpp):
// do not edit. lupdate reads these entries into the translators' template; the
// desktop compiles them so that a test can tell when the core has texts this file
// lacks.
#include "desktop/i18n/CoreTextCatalogue.h"

#include <QtGlobal>
#include <iterator>

namespace zodrivel {

// clang-format off
const CatalogueEntry CoreTextCatalogue[] = {
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your conscious will and your emotional needs pull in the same direction, "
        "which gives you an inner steadiness others sense at once. What you want "
        "and what you need are rarely at war, so you can act without second-guessing "
        "your heart, and home life and ambition tend to support each other. Because "
        "so little inside you argues, people whose wishes and feelings are divided "
        "may puzzle you; curiosity about them keeps you humble.",
        "Sun-Moon:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "The purpose you are growing into and the habits you fall back on sit in "
        "neighbouring signs, close but not quite matched. Day to day this shows as "
        "a mismatch between what you set out to do and what you feel like doing, "
        "an itch rather than a crisis. Honest check-ins with yourself, asking what "
        "you need before deciding what you want, build a practical self-knowledge "
        "that few people bother to acquire.",
        "Sun-Moon:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Something in you wants one thing while something older and more private "
        "needs another, and for years the two may seem to take turns running your "
        "life. Often this echoes parents who wanted different things. You may feel "
        "the split within, see it mirrored in a partner who wants what you deny yourself, "
        "or spend years adjusting one side to suit the other. Growth comes when you "
        "stop letting one side win and make room for ambition and comfort alike.",
        "Sun-Moon:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Thinking and being are closely joined in you: you speak from who you are, "
        "and your ideas carry the weight of your identity. You learn readily, explain "
        "yourself with ease and usually know your own mind. The gift has a blind "
        "spot, since an opinion can feel like part of you, so criticism of a view "
        "may sting as if it were aimed at your person. Learning to hold ideas a little "
        "more loosely turns a good mind into a wise one.",
        "Sun-Mercury:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind runs a half-step apart from your sense of self, approaching life "
        "from a slightly different angle than your core purpose does. This can make "
        "you a useful observer of yourself, able to describe your own motives with "
        "some detachment. The awkwardness shows when words lag behind intent or race "
        "ahead of it; practising saying plainly what you mean, and meaning what you "
        "say, closes the gap over time.",
        "Sun-Mercury:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What you think and what you are seem to argue, so you may talk yourself "
        "out of things you truly want, or defend positions that do not really reflect "
        "you. Nervous energy runs high. Sometimes other people voice the doubts you "
        "will not admit, and sometimes you keep rewording yourself to fit a purpose "
        "that has moved on. Writing things down, slowing big decisions and checking "
        "that an idea feels right as well as sounds right make you unusually honest "
        "with yourself.",
        "Sun-Mercury:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Charm comes naturally to you, and people tend to like you before they quite "
        "know why. You identify with beauty, comfort and good company, and you shine "
        "most where life is pleasant and relations are harmonious. Art, style or "
        "simple kindness may be central to how you express yourself. The shadow of "
        "so much ease is a reluctance to face conflict or drudgery; your grace gains "
        "substance when you let it carry real commitments.",
        "Sun-Venus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What you value sits just beside who you are, so pleasure and purpose need "
        "some translation before they meet. You may notice that the things you enjoy "
        "and the life you are building do not obviously connect. With attention, "
        "everyday choices, such as bringing beauty into your workplace or warmth "
        "into your daily effort, let love and identity grow into one another.",
        "Sun-Venus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may feel torn between being true to yourself and being liked, or between "
        "your own aims and the pull of love and comfort. At times you could lean "
        "too hard on approval, or dismiss your need for affection as weakness. A "
        "partner may seem to hold the warmth you lack, or you keep trimming your "
        "wishes to fit a relationship. Discovering what you genuinely value, rather "
        "than what pleases others, makes your warmth far more convincing.",
        "Sun-Venus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Will and drive work as a team in you, giving abundant energy, courage and "
        "a readiness to act on what you believe. You like a challenge and tend to "
        "meet it head-on, and physical activity restores you when little else does. "
        "Because action comes so easily, you may charge ahead before thinking, or "
        "underestimate how forceful you seem to others. Aimed at a worthy goal, this "
        "vitality can carry you and the people around you a long way.",
        "Sun-Mars:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your drive and your sense of purpose are slightly out of step, like a motor "
        "tuned to a different speed than the vehicle it powers. You may start things "
        "with more or less force than the moment calls for, then have to correct "
        "course. Paying attention to timing, and noticing when irritation is really "
        "a sign that you want something, gradually teaches you to spend your energy "
        "exactly where it counts.",
        "Sun-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "There is a lot of heat in your character, and it does not always go where "
        "you intend. You may meet resistance at every turn or pick fights you do "
        "not need. Often others seem to be the aggressors when they may be showing "
        "you your own untamed force; at other times you must keep recalibrating how "
        "hard to push. Competitive sport, demanding work and honest anger spoken "
        "early rather than late give this fire a place to burn cleanly.",
        "Sun-Mars:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Optimism is part of your constitution: you tend to expect the best, and "
        "that expectation often helps bring it about. You are generous and broad-minded, "
        "drawn to growth through travel, study or belief, and luck seems to meet "
        "you halfway. The risk is overconfidence, whether promising too much, spending "
        "too freely, or assuming things will work out without effort. Your faith "
        "is a real gift when it is matched by follow-through.",
        "Sun-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your hopes and your identity run on parallel tracks that do not quite touch, "
        "so opportunities tend to appear off to one side of your main path. You may "
        "have to stretch to notice them, or to believe they are meant for you. A "
        "habit of saying yes to the unfamiliar, and of learning from each step, widens "
        "your world and your confidence together.",
        "Sun-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You want more than life offers at any given moment, and that hunger can "
        "lead to overreaching, exaggeration or living up to an inflated picture of "
        "yourself. You may swing between grand plans and deflation, clash with teachers, "
        "authorities and creeds, or look to others for the certainty you lack. Much "
        "of the work is fine-tuning your hopes to your means. When generosity and "
        "vision rest on realistic effort, restlessness becomes the engine of genuine "
        "growth.",
        "Sun-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a serious streak and a natural respect for structure, and you grasped "
        "early that things worth having take time. Responsibility suits you, and "
        "others trust you to deliver. You build slowly but soundly, and your achievements "
        "tend to last and often improve with age. Watch that caution does not harden "
        "into rigidity or duty crowd out joy; let yourself enjoy the foundations "
        "you so carefully lay.",
        "Sun-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A sense of obligation trails your self-expression, as though you need permission "
        "before fully shining. It is not heavy, but it keeps asking whether your "
        "efforts are sound. Over time this becomes a useful discipline: regular commitments "
        "that mature into competence, and an ability to take yourself seriously without "
        "losing your warmth.",
        "Sun-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may have grown up feeling that you had to earn the right to exist, perhaps "
        "under a demanding or absent father figure, and self-doubt can shadow your "
        "efforts. Obstacles seem to rise exactly where you most want to shine, and "
        "bosses or partners may play the critic you carry inside. Progress often "
        "comes through patient adjustment rather than open victory. The authority "
        "you fight outside is often one you must build within; as you do, walls become "
        "a framework.",
        "Sun-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You are unmistakably your own person, with an original mind and a need to "
        "live on your own terms. Ideas others find strange seem obvious to you, and "
        "you may be drawn to science, technology or reform. Change rarely frightens "
        "you; routine does. Your independence is a gift, though it can make you hard "
        "to pin down, so friendships and work thrive when your freedom comes with "
        "a measure of reliability.",
        "Sun-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A streak of unpredictability runs alongside your steadier purpose, showing "
        "up as surprises: a sudden change of plan, an unexpected interest, an odd "
        "solution that works. You may not always know what to do with these impulses. "
        "Giving them a regular outlet, such as an experimental hobby or a role that "
        "rewards fresh thinking, lets your originality grow without unsettling the "
        "rest of your life.",
        "Sun-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your need for freedom collides with the person you are trying to become, "
        "producing sudden breaks, abrupt changes of direction and a restless dislike "
        "of being told what to do. You may attract people who do the rebelling for "
        "you, or find that your plans keep needing awkward revisions. The task is "
        "to tell true independence from mere reaction; once you can, your appetite "
        "for change makes you an agent of renewal rather than disruption.",
        "Sun-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a poetic, sensitive nature and an open channel to imagination, "
        "music, spirituality or compassion. Your identity is soft at the edges, which "
        "lets you feel your way into other lives and other worlds, and artistic or "
        "healing work may call to you. Because your boundaries are porous, ground "
        "your dreams in practical steps, and remember that you do not have to absorb "
        "everyone's pain to be kind.",
        "Sun-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your dreams sit close to your sense of self without quite merging, so you "
        "catch glimpses of ideals you are not yet sure how to live. At times you "
        "are unsure of your direction, with a feeling of drifting. A regular creative "
        "or contemplative practice, kept simple and consistent, gives those glimpses "
        "a shape and clarifies, year by year, what you really want.",
        "Sun-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "It can be hard to see yourself clearly: you may idealise yourself, undersell "
        "yourself, or dissolve into what others expect, and a father figure may have "
        "been elusive or disappointing. You may look to a partner for the meaning "
        "you cannot find, or keep adjusting your aims to fit a dream that shifts. "
        "Escape through fantasy, substances or self-sacrifice is a real temptation. "
        "Clear commitments, honest feedback and creative discipline help your vision "
        "take solid form.",
        "Sun-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have deep reserves of willpower and a gift for regeneration; when life "
        "breaks something, you rebuild it stronger. You are drawn to what lies beneath "
        "the surface, whether in psychology, research or crisis work, and people "
        "sense your intensity without being told. Power comes easily to you, so use "
        "it consciously and resist the urge to control; your strength is greatest "
        "when it serves transformation rather than dominance.",
        "Sun-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Beneath your everyday self runs an intensity you may only notice under pressure. "
        "Recurring crises ask you to shed an old role or attitude, and each time "
        "you do, you grow more substantial. Paying attention to what you cling to, "
        "and why, gives you a steady, unforced kind of power.",
        "Sun-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Power struggles may be a recurring theme, whether with authorities, partners "
        "or your own compulsions. You feel things intensely, fear being controlled, "
        "and sometimes control others in return; people who seem to wield power over "
        "you often mirror a strength you have not claimed. Life may strip things "
        "back to the bone, or ask for a long renegotiation of how much control you "
        "can give up. Facing your own shadow honestly gives you an authority no one "
        "can take from you.",
        "Sun-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your feelings and thoughts speak to each other easily, so you can put emotions "
        "into words and think with sensitivity. You remember details, read moods, "
        "and may have a gift for writing, conversation or teaching that reaches people. "
        "Because your mind follows your moods, your opinions can shift with how you "
        "feel; a moment's pause before speaking keeps your natural fluency fair and "
        "balanced.",
        "Moon-Mercury:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind and your heart work from adjacent rooms; they can hear each other "
        "through the wall, but not always clearly. You may understand a feeling only "
        "after talking or writing about it, or find your thoughts carry an emotional "
        "tone you did not notice. Keeping a journal, or simply naming feelings as "
        "they arise, gradually strengthens the link between knowing and feeling.",
        "Moon-Mercury:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Head and heart often disagree in you, so you may reason your feelings away "
        "or find emotion clouding your judgement at the worst moment. Worry can build "
        "when you feel misunderstood, and those close to you may seem all logic when "
        "you are all feeling, or the reverse. Learning to translate between the two "
        "is lifelong work, but it trains a sharp psychological intelligence that "
        "catches what people mean beneath what they say.",
        "Moon-Mercury:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Affection comes easily to you, and you bring warmth, grace and comfort into "
        "your surroundings. People usually like you, and you have a knack for making "
        "them feel at home. Beauty and harmony soothe you, and you may have artistic "
        "taste or a gentle gift for relationships. The one risk is wanting to avoid "
        "anything unpleasant; the deepest love sometimes needs a difficult conversation, "
        "and you are able to have it kindly.",
        "Moon-Venus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What comforts you and what you find beautiful are close neighbours but not "
        "the same thing, so you may need to fine-tune how you give and receive affection. "
        "Sometimes you want closeness and are offered charm, or the reverse. Learning "
        "your own emotional preferences, and asking gently for them, steadily refines "
        "your relationships and your sense of what truly nourishes you.",
        "Moon-Venus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "There can be a gap between what you need emotionally and what you are attracted "
        "to, leading to relationships that delight but do not nourish, or nourish "
        "but do not delight. You may soothe disappointment with food, shopping or "
        "other comforts, or expect a partner to close a gap that is yours to mend. "
        "Repeated small adjustments teach you to value yourself; as you do, you attract "
        "love that satisfies your heart and your taste at once.",
        "Moon-Venus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotions carry a strong, fiery current, and you act on feelings quickly "
        "and with courage. You protect the people you love fiercely and have the "
        "energy to fight for home, family and causes close to your heart. Your temper "
        "may flare, but it rarely lingers. Because instinct and action join so readily, "
        "taking one breath before you react lets you use that vigour wisely.",
        "Moon-Mars:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your feelings and your impulses are out of step, so irritation can rise "
        "from needs you have not yet named. You may snap when you are really tired, "
        "hungry or longing for care. Noticing the first stirrings of annoyance and "
        "asking what you need puts that energy to use, and makes you both gentler "
        "and more effective.",
        "Moon-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Emotion and anger are closely wired in you, so hurt can flip into hostility "
        "and you may react before you understand what you feel. Family quarrels may "
        "have marked your early years, and you may still meet your own temper in "
        "the people who provoke you. Finding the right moment to speak takes repeated "
        "adjustment, but the aspect also gives real emotional courage. Voicing anger "
        "directly but without cruelty makes you a protector rather than a fighter.",
        "Moon-Mars:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a generous heart and an expansive emotional life, and people feel "
        "welcomed and lifted in your presence. Your instincts run optimistic and "
        "protective, and help often seems to arrive just when you need it. Home and "
        "family can be a source of real abundance. Guard against excess in eating, "
        "spending or promising, and your kindness will keep finding its way back "
        "to you.",
        "Moon-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your need for security and your hunger for growth sit side by side, each "
        "nudging the other. You may feel restless when life is too comfortable and "
        "uneasy when it expands too fast. Experiments such as opening your home to "
        "new people or taking short trips stretch your comfort zone at a pace you "
        "can sustain, and let your generosity grow with it.",
        "Moon-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotions run large, and you may overdo things in search of comfort, "
        "whether food, spending or promises you cannot keep. Nothing quite satisfies "
        "for long, or you feel you must rescue everyone in sight, and you may be "
        "drawn to people whose needs seem bigger than yours. Finding your measure "
        "takes repeated adjustment. Then your big heart becomes a reliable warmth "
        "rather than a flood that swamps you and others.",
        "Moon-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Feeling and duty are closely joined in you. You tend to be emotionally steady, "
        "practical and dependable, taking your responsibilities to family and home "
        "seriously, and others lean on you in hard moments. The same bond can make "
        "feelings seem a burden to be managed, and you may have learned early to "
        "keep your needs to yourself. Letting people care for you, rather than only "
        "caring for them, softens that reserve and deepens your strength.",
        "Moon-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A reserve colours your emotional life, as though you check whether a feeling "
        "is allowed before letting it show. The caution can be useful, giving you "
        "composure under pressure, though it may also keep people at arm's length. "
        "Allowing moments of vulnerability with people you trust teaches you that "
        "security and openness can live in the same house.",
        "Moon-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may have learned early that your needs were a burden, perhaps because "
        "care at home was scarce, strict or dutiful, and so you learned to manage "
        "alone. A fear of depending on anyone can follow you into adult life, and "
        "partners may seem cold when they reflect your own reserve. Closeness may "
        "need patient adjustment, yet this aspect builds great emotional resilience. "
        "As you learn to parent yourself kindly, your bonds become both secure and "
        "warm.",
        "Moon-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You need emotional freedom and thrive on variety and surprise. Your instincts "
        "are quick and sometimes startlingly accurate, your moods can change abruptly, "
        "and you may have an unconventional home life or an unusual bond with your "
        "mother. You bring a spark into people's lives. Because you value space so "
        "highly, those close to you may need reassurance that your independence is "
        "not indifference.",
        "Moon-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Restlessness stirs beneath your emotional routines, making you occasionally "
        "want to shake up your home, your habits or your closest ties. The urges "
        "rarely amount to upheaval, but they persist. Honouring them in manageable "
        "ways, by rearranging a room, trying a new ritual or taking time alone, keeps "
        "your inner life fresh without unsettling the people you care about.",
        "Moon-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your feelings can change without warning, and you may swing between craving "
        "closeness and needing to escape it. Early home life may have been unstable "
        "or unusual, leaving you wary of depending on anyone. You may choose partners "
        "who keep their distance, acting out your own wish for space, or keep renegotiating "
        "how close is close enough. Security that includes freedom, with people who "
        "respect your independence, lets you stay present when emotions run high.",
        "Moon-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotional sensitivity is profound: you absorb atmospheres, feel others' "
        "pain and respond with deep compassion. Imagination, music, dreams and spiritual "
        "life nourish you, and you may have artistic or healing gifts. Because you "
        "are so porous, you need time alone to recover and clear boundaries so you "
        "do not carry what is not yours. With them, your empathy becomes a healing "
        "presence.",
        "Moon-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A dreamy quality touches your emotional life lightly, so you sometimes sense "
        "things you cannot explain or pick up moods that are not strictly your own. "
        "The effect is subtle and easy to dismiss. Paying attention to your dreams, "
        "hunches and the way places affect you sharpens this sensitivity into an "
        "inner guide you can trust.",
        "Moon-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotional boundaries can be hazy: you may confuse your feelings with "
        "other people's, idealise those who later disappoint you, or retreat into "
        "fantasy when life turns harsh. A parent may have been elusive or in need "
        "of rescue, and you may still be drawn to people who need saving. The work "
        "is discernment, caring without merging and adjusting your hopes to people "
        "as they are. When you manage it, your sensitivity becomes real compassion "
        "and creative depth.",
        "Moon-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotions run deep and strong, and you feel things with an intensity "
        "others may never see. You have a gift for emotional healing, your own and "
        "other people's, and can face a crisis with unusual courage. You are loyal "
        "and quick to sense hidden motives. Let your strength include trust; you "
        "do not need to control every feeling for it to be safe.",
        "Moon-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Undercurrents move through your feelings, and you may sense the emotional "
        "truth of a situation before anyone speaks it. Acts of letting go are asked "
        "of you again and again: old habits, grudges, attachments. Each one you release "
        "leaves you lighter and more perceptive, and over the years this becomes "
        "a steady emotional wisdom.",
        "Moon-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Feelings can overwhelm you, and you may swing between fierce attachment "
        "and fear of being swallowed or abandoned. Your bond with your mother may "
        "have been intense or marked by loss, and power struggles can follow into "
        "adult relationships, where others may seem to hold an intensity that is "
        "yours and bonds need renegotiating. Yet you have an extraordinary capacity "
        "to heal pain, and honest work with your deepest feelings releases a profound "
        "inner strength.",
        "Moon-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind and your sense of beauty work as one, giving you a graceful, diplomatic "
        "way with words and a taste for art, language and pleasant company. You tend "
        "to see the best in people and to say it kindly. Writing, design, singing "
        "or music may come easily. Your tact is a real gift, though it can tempt "
        "you to avoid hard truths; learn to be honest as well as charming and your "
        "words will carry weight.",
        "Mercury-Venus:conjunction-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your thinking and your taste are near neighbours, so occasionally what sounds "
        "right does not feel right, or a feeling you love will not come out in words. "
        "Adjustments of tone, such as softening a blunt remark or making a vague "
        "compliment specific, gradually refine both your speech and your relationships.",
        "Mercury-Venus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have openings to turn charm into skill: a pleasant voice, a feel for "
        "words, a talent for negotiation or correspondence that grows the more you "
        "use it. Social contacts and creative study can open doors. The gift asks "
        "for some practice before it flourishes, but with a little effort your words "
        "become a source of pleasure for others and possibly of income for you.",
        "Mercury-Venus:sextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What you think and what you value may pull in different directions, so you "
        "might say what pleases rather than what you mean, or find your tastes puzzling "
        "to your rational mind. Conversations about love and money may need extra "
        "care: you may keep rephrasing yourself to keep the peace, or meet people "
        "who say bluntly what you only imply. Valuing honesty as much as harmony "
        "gives your words a grace that is also true.",
        "Mercury-Venus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is quick, sharp and decisive, and you argue with energy and confidence. "
        "You think on your feet, grasp practical problems fast and enjoy a good debate. "
        "A feel for tools, machines or strategy may come naturally. The danger is "
        "speaking too fast or too bluntly; your words have force, so aim them with "
        "care and you will be a persuasive, effective communicator.",
        "Mercury-Mars:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your thoughts and your actions are a touch out of sync, so you may act before "
        "thinking, or think of the perfect reply long after the moment has passed. "
        "An edge can creep into how you speak when you feel rushed. Practising short "
        "pauses, and matching your words to your deeds, sharpens both your judgement "
        "and your timing.",
        "Mercury-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your words can cut, and you may be drawn into arguments more often than "
        "you would like. You think fast but can jump to conclusions, and nervous "
        "irritability may wear you down. Some opponents simply say what you think "
        "but will not say; some situations ask you to keep changing tack before you "
        "can act. This friction forges a formidable mind for debate and problem-solving, "
        "and it serves you best when you listen fully before you reply.",
        "Mercury-Mars:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You think in large terms and enjoy ideas, philosophy, travel and learning "
        "of every kind. You tend to be an optimistic, persuasive speaker, good at "
        "seeing the big picture and explaining it to others, and writing, teaching "
        "or publishing may suit you. Take care with details, which your enthusiasm "
        "tends to skip, and your breadth of vision will serve you well.",
        "Mercury-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your practical mind and your wider beliefs are close neighbours that do "
        "not always talk to each other. You might gather facts without seeing their "
        "meaning, or hold big ideas without the details to back them. Daily efforts "
        "to connect the two, such as reading widely and noting what each thing taught "
        "you, build a mind both informed and wise.",
        "Mercury-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You can take on more ideas than you can digest, promise more than you can "
        "deliver, or overstate your case in the heat of conviction. Scattered thinking "
        "and careless slips with detail may cause trouble, and you may clash with "
        "people whose certainty mirrors your own. Yet your mind is generous and hungry. "
        "Checking your own beliefs, revising plans as facts arrive, and real curiosity "
        "about opposing views make that hunger a source of understanding.",
        "Mercury-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is careful, organised and thorough, and you think things through "
        "before you speak. You learn steadily and keep what you learn, and you may "
        "excel at research, planning or any work that demands precision. People trust "
        "your word. Guard against pessimism and excess caution; your sound judgement "
        "is at its best with a little playfulness mixed in.",
        "Mercury-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A self-consciousness accompanies your thinking, so you tend to check your "
        "words or doubt your ideas before sharing them. This can slow you down, but "
        "it also breeds precision. Regular practice, whether writing, studying or "
        "speaking up in groups you trust, gives you a measured authority and the "
        "confidence to use it.",
        "Mercury-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may have felt early on that you were not clever enough or not listened "
        "to, and fear of saying the wrong thing can hold you back. Critics may seem "
        "to voice your own harsh inner judge, and your thinking may turn rigid or "
        "gloomy under pressure, or need constant correction before you trust it. "
        "Yet this aspect gives exceptional concentration and depth. Patient study, "
        "and trust in knowledge you earned the hard way, give you a quiet authority.",
        "Mercury-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is quick, inventive and original, often leaping to insights others "
        "reach only slowly. You may be drawn to technology, science or any field "
        "that rewards new ideas, and conversation with you is lively and full of "
        "surprises. Your challenge is patience with slower thinkers and with details; "
        "when you slow down enough to explain, your brilliance becomes useful to "
        "everyone.",
        "Mercury-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Flashes of unusual insight sometimes interrupt your ordinary thinking, and "
        "you may not know at once how to use them. You can feel out of step with "
        "how others reason. Keeping a notebook for sudden ideas, and testing them "
        "calmly later, develops this into a distinctive and dependable originality.",
        "Mercury-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind can race, jumping from idea to idea with nervous excitement and "
        "sometimes tactless candour. You may be contrary for its own sake, provoke "
        "people who are just as contrary, or struggle to stay focused, and sleep "
        "can suffer when your thoughts will not switch off. Plans may need abrupt "
        "revisions. Yet your intellect is genuinely inventive; grounding routines "
        "and a real willingness to hear other views let that brilliance reach people.",
        "Mercury-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is imaginative and intuitive, with a gift for images, stories, "
        "music or poetry. You understand things by feeling your way into them and "
        "can put subtle impressions into words that move people. The weak spot is "
        "vagueness or forgetfulness over practical matters. Writing things down and "
        "checking facts lets your inspiration flow without losing its way.",
        "Mercury-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your thoughts are tinged with imagination in ways you may not always notice, "
        "so facts and impressions can blur at the edges. This gives your mind a soft, "
        "intuitive quality that others find appealing. Clear notes, careful listening "
        "and a regular creative outlet sharpen that intuition and keep it trustworthy.",
        "Mercury-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Confusion, misunderstanding or self-deception can creep into your thinking, "
        "and you may find it hard to focus or to say exactly what you mean. You could "
        "be misled by persuasive people, or mislead others without meaning to, and "
        "plans may need repeated correction. Yet your imagination is rich and your "
        "intuition keen. Checking facts, asking for clarity and giving your fantasies "
        "a creative home make your inspiration something others can trust.",
        "Mercury-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind is penetrating and perceptive, drawn to mysteries, hidden motives "
        "and the deeper layers of any subject. You could make an excellent researcher, "
        "investigator or therapist, and your words carry unusual weight. You persuade "
        "without raising your voice. Use that influence honestly, and your insight "
        "will help many people see what they could not see alone.",
        "Mercury-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A quiet investigative streak runs through your thinking, making you curious "
        "about what goes unsaid. You notice subtext that others miss without always "
        "knowing what to do with it. Slowly building the courage to ask probing questions, "
        "and the tact to ask them well, refines this into real depth of understanding.",
        "Mercury-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your thinking can turn obsessive, and you may use words as weapons or suspect "
        "that others are trying to manipulate you; sometimes they are, and sometimes "
        "they reflect your own urge to control the conversation. Secrets and intense "
        "arguments can recur, and understanding often comes only after you revise "
        "a fixed view. Yet your mind has great depth. Honest communication, and a "
        "willingness to be changed by what you learn, free this force for good.",
        "Mercury-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Desire and affection are closely linked in you, so you can want someone "
        "and like them at the same time, which is rarer than it sounds. You have "
        "warmth, physical charm and a strong appetite for life, and your creative "
        "work often carries a sensual, energetic quality. Attraction can run hot, "
        "at times impatient or hard to contain. Your magnetism means most when you "
        "put it behind a bond you choose to keep.",
        "Venus-Mars:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What draws you and what you actually enjoy once you have it are close cousins, "
        "not twins. You may pursue someone and then find you wanted gentleness more "
        "than conquest, or wait politely when a bolder move was called for. Paying "
        "attention to these misfires, and adjusting pace and approach in love, gives "
        "you a well-timed, grown-up kind of passion.",
        "Venus-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your love life rarely runs on low heat: attraction arrives with friction, "
        "and you may be drawn to people you argue with, or feel that closeness costs "
        "you your independence. At times you give too much and then resent it, or "
        "a partner seems to carry all the desire or all the tenderness. Love may "
        "need repeated adjustment of pace. This tension is also real chemistry. Asking "
        "plainly for what you desire, and hearing a no without injury, keeps your "
        "passion alive.",
        "Venus-Mars:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You tend to be warm, sociable and generous, and good things often reach "
        "you through people: friends who open doors, partners who widen your world, "
        "a talent for art or hospitality that others value. You enjoy life's pleasures "
        "without guilt and share them gladly. The shadow is indulgence and a habit "
        "of coasting on goodwill. Your generosity is finest when you give it purpose "
        "and back it with care.",
        "Venus-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your appetite for pleasure and your wish to grow sit side by side, each "
        "tugging at the other. One month you may spend too freely on comfort, the "
        "next hold back from a generosity that would have been wise. Noticing these "
        "swings without judgement, and asking whether a pleasure actually enlarges "
        "your life, teaches you a relaxed and gracious kind of abundance.",
        "Venus-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "More always seems better where love and pleasure are concerned, which can "
        "lead to overspending, overeating, or expecting a partner to supply a happiness "
        "no one person can. Disappointment follows when reality falls short, and "
        "you may keep adjusting your hopes, or meet your own excess in a lavish friend. "
        "Your heart is genuinely large, however. When you learn that enough can be "
        "a feast, your warmth and taste become assets rather than debts.",
        "Venus-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love and duty are fused in you. You take relationships seriously, prefer "
        "loyalty to flirtation, and show affection through reliability more than "
        "grand gestures. Shyness or a sense of being hard to love may have marked "
        "your youth, and real contentment in partnership often comes later, or with "
        "someone older or more settled. Your affection matures like good wood. Let "
        "yourself enjoy pleasure without first feeling you must earn it.",
        "Venus-Saturn:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Caution tempers your affections; you like to be sure of someone before you "
        "let them matter. This reserve often protects you from hasty choices, though "
        "it can make you seem cooler than you feel. Offering trust in deliberate "
        "steps, and noticing when prudence has quietly become fear, helps you build "
        "relationships that are both safe and warm.",
        "Venus-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love may have felt like something you had to deserve. You might fear rejection "
        "so keenly that you hold back affection, settle for relationships ruled by "
        "obligation, or judge your looks and worth harshly; partners may seem cold "
        "or critical when they echo your own doubts. Affection may need patient adjustment "
        "before it feels safe. Yet it teaches what real commitment is. Self-worth "
        "built patiently from within draws love that is steady, honest and deepens "
        "with age.",
        "Venus-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love and freedom are inseparable for you. You are drawn to unusual people, "
        "sudden attractions and partnerships that leave room to breathe, and your "
        "taste in art, dress or music is often ahead of its time. Conventional romance "
        "can bore you quickly. The more honestly you admit your need for space, the "
        "more easily you find partners who share it, and then excitement and closeness "
        "stop being rivals.",
        "Venus-Uranus:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A flicker of the unexpected runs through your affections: sudden likes, "
        "unexplained dislikes, a taste for the offbeat. You may need more room in "
        "love than you usually admit. Saying so openly, and building surprises and "
        "shared novelties into your relationships, keeps them fresh without turning "
        "them upside down.",
        "Venus-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Relationships may begin like lightning and end as abruptly, and you can "
        "swing between craving closeness and bolting from it. Unavailable, distant "
        "or unconventional partners may hold a special fascination, acting out a "
        "need for freedom that is yours. Love may keep asking for new arrangements. "
        "The work is separating genuine independence from a fear of being trapped; "
        "once you do, you can build partnerships that are lively, honest and able "
        "to survive change.",
        "Venus-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your affections are steadied by a cooler, more principled side of you, so "
        "love rests on respect and friendship as much as on feeling. You tend to "
        "want a relationship with a clear shape and room to breathe, and your taste "
        "in beauty is distinctly your own. Partners tend to find you loyal without "
        "being possessive. Like every easy gift, this one needs using: it serves "
        "you best when you choose your bonds deliberately rather than let them drift.",
        "Venus-Saturn-Uranus:sextile-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a refined, romantic and compassionate nature, with a strong response "
        "to music, film, poetry and anything that lifts ordinary life toward the "
        "ideal. Love has a spiritual tinge for you, and you may be drawn to art or "
        "caring work. Your imagination makes you a tender partner. The risk is seeing "
        "people through a soft-focus lens; keep your heart open and your eyes clear, "
        "and your devotion will land where it belongs.",
        "Venus-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Romantic ideals shimmer behind your affections, so you may expect more magic "
        "from love than daily life supplies. The gap is steady, a low hum of longing. "
        "Letting art, music and beauty carry part of that longing, while appreciating "
        "real people as they are, brings your ideals and your relationships closer "
        "each year.",
        "Venus-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may fall in love with potential rather than with the person, rescue "
        "partners who do not want saving, or give until nothing is left. Others may "
        "seem to embody the ideal you long for until the dream dissolves, and boundaries "
        "around money can blur. Love may ask for repeated adjustment between dream "
        "and reality. Yet your compassion and artistic imagination are exceptional. "
        "Seeing clearly is not the end of romance; it lets your devotion be received.",
        "Venus-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You love intensely and loyally, seeking connection that reaches below the "
        "surface rather than pleasant company alone. There is a magnetic quality "
        "to you, and relationships tend to change both you and the other person profoundly. "
        "You may be drawn to art that explores desire, loss or renewal. Be aware "
        "of the pull you have on others; used generously it heals and deepens, while "
        "used to hold on it suffocates.",
        "Venus-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A hidden intensity runs under your affections, surfacing now and then as "
        "a flash of jealousy or a wish for more depth than a friendship offers. These "
        "are quiet signals rather than storms. Listening to them, and saying honestly "
        "what you need instead of waiting to be guessed, gradually deepens both your "
        "relationships and your sense of your own worth.",
        "Venus-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love can become all-or-nothing for you, bringing jealousy, possessiveness, "
        "or relationships in which power is quietly traded. You may attract partners "
        "who hold the intensity you fear in yourself, and endings can feel like small "
        "deaths. Beneath this often lies a fear of being worthless unless you are "
        "needed, and bonds may need repeated renegotiation. As you learn that you "
        "are valuable in yourself, passion becomes a force that heals rather than "
        "grasps.",
        "Venus-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Energy and enthusiasm come to you in generous supply. You like sport, adventure "
        "and big projects, you recover quickly from setbacks, and your confidence "
        "tends to draw others in. Action taken in good faith seems to carry you further "
        "than expected. The one trap is overestimating your stamina or your luck; "
        "pacing yourself keeps this buoyant drive available for the long run.",
        "Mars-Jupiter:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your drive and your convictions are out of tune, so you may pour effort "
        "into the wrong goal or lose steam once the aim grows vague; the mismatch "
        "is often noticed only in hindsight. Checking now and then that what you "
        "are doing serves what you believe in gives your enthusiasm a steady aim.",
        "Mars-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You are inclined to act big and fast, which can mean overcommitting, taking "
        "risks you cannot afford, or crusading for causes without hearing the other "
        "side. Rules and authorities may provoke you, opponents may seem as zealous "
        "as you are, and exhaustion can follow bursts of overreach. Yet there is "
        "tremendous courage in you. With planning, a sense of limits and a readiness "
        "to adjust course, your zeal can accomplish what cautious people only talk "
        "about.",
        "Mars-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Drive and restraint are closely bound in you. At best they cooperate, so "
        "you can work hard, long and steadily, and do well at tasks that need stamina, "
        "skill or careful timing, from craftsmanship to engineering to endurance "
        "sport. You may also feel blocked at times, as if your energy must pass a "
        "strict inspector before it may move. Respecting that caution without letting "
        "it harden into harshness, toward yourself or others, makes your strength "
        "last.",
        "Mars-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Checks keep meeting your impulses, as if something inside asks you to wait "
        "and plan before you move. It can feel like driving with the handbrake half "
        "on, and it may irritate you. Learning to pace yourself, and to use the pause "
        "rather than fight it, gives you remarkable precision and an energy that "
        "lasts.",
        "Mars-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "It may seem that every time you push, something pushes back, and you can "
        "swing between holding your anger in and letting it out all at once. A harsh "
        "or frustrating authority may have shaped your early experience of effort, "
        "and others may still seem to block you. Timing often needs adjusting before "
        "effort pays. Yet this aspect forges exceptional endurance. Steady, structured "
        "work and honest outlets for frustration build a mastery that lasts.",
        "Mars-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You act with daring and originality, and you are quick to seize a new opportunity "
        "or a new method. Routine bores you but an emergency wakes you up, and you "
        "often do your best work in sudden bursts. You may be drawn to technology, "
        "sport or causes that need a pioneer. Your inventive courage is a gift, as "
        "long as you leave a margin of safety for yourself and those around you.",
        "Mars-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Now and then a sudden impulse cuts across your plans: an urge to quit, to "
        "change direction, to try something wildly different. These jolts rarely "
        "upend your life, but they are real, and they can leave you restless. Noticing "
        "them, and giving them a safe channel such as experiment, movement or a side "
        "project, makes you more adventurous without making you reckless.",
        "Mars-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may act on impulse, rebel against any constraint, and find that accidents, "
        "sudden quarrels or abrupt changes follow. Your nervous system runs hot, "
        "patience is hard to come by, and you may clash with people as headstrong "
        "as you. Plans can need sudden repair. But you also have exceptional courage "
        "and a knack for breaking through where others are stuck. Pausing for a breath "
        "before acting, and rebelling for something rather than against everything, "
        "keeps you safe.",
        "Mars-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your energy is moved by ideals, compassion or imagination, and you act most "
        "wholeheartedly for causes or creative visions larger than yourself. Dance, "
        "music, film, swimming and caring work may suit you. The same link can blur "
        "your drive, so energy may ebb without clear reason or go to causes that "
        "prove less than they seemed. Anchoring your dreams in concrete goals, and "
        "resting when you need to, lets your gentle strength go far.",
        "Mars-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your drive is sometimes softened or scattered by a dreamy undertow, so you "
        "may start with conviction and then lose sight of what you wanted. Mostly "
        "it is a matter of focus and fluctuating energy. Writing your aims down step "
        "by step, and guarding your rest, brings inspiration and action into step.",
        "Mars-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may find it hard to assert yourself directly, acting out of guilt, confusion "
        "or an ideal that turns out to be a mirage. Energy can leak away, avoided "
        "conflict may surface sideways, and others may seem to act out the anger "
        "you disown. Care is wise with alcohol and medication, and plans may need "
        "revising as energy ebbs. Yet your compassion and imagination are strong. "
        "Naming what you want plainly, within clear boundaries, gives your efforts "
        "direction.",
        "Mars-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have great reserves of willpower and stamina, and you can keep going "
        "long after others have quit. Your energy is focused and intense, and you "
        "may be drawn to demanding fields such as surgery, research, rescue work "
        "or competitive sport; you come into your own in a crisis. Such force can "
        "turn ruthless when you feel cornered, so use it consciously, and it will "
        "bring remarkable achievements.",
        "Mars-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "An undercurrent of intensity fuels your actions, surfacing now and then "
        "as stubbornness or an urge to win every contest, however trivial. It is "
        "a pressure that is easy to overlook. Noticing when you are driven rather "
        "than choosing, and redirecting that force on purpose, develops a deep and "
        "steady determination.",
        "Mars-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your will is formidable and may turn ruthless or compulsive under pressure. "
        "Power struggles, dangerous situations or explosive anger can mark your life, "
        "and forceful people may challenge you where you hold back your own power. "
        "Yet this aspect gives extraordinary courage and the ability to rebuild after "
        "destruction. Choosing your battles, adjusting course when force fails and "
        "acting consciously lets it transform rather than destroy.",
        "Mars-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Hope and realism work together in you, a blend that suits anything meant "
        "to last, whether a career, an institution or a family. You know when to "
        "expand and when to consolidate, and your plans tend to be both ambitious "
        "and sound. Since this contact is shared by people born within months of "
        "you, it speaks most personally through the houses it occupies. Trust your "
        "balance of faith and prudence; it brings steady success.",
        "Jupiter-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your sense of opportunity and your sense of limitation are close neighbours "
        "that keep adjusting to each other. You may hesitate a beat too long, or "
        "leap a beat too soon. Shared with others born around the same time, this "
        "quiet contact asks for regular fine-tuning between risk and caution, and "
        "repays it with practical wisdom about timing.",
        "Jupiter-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Expansion and restraint pull against each other in you, so you may alternate "
        "between optimism and gloom, or overextending and clamping down, and meet "
        "the other side in colleagues who are all caution or all hope. Career progress "
        "can come in stop-start phases that need constant adjustment. Everyone born "
        "within a few months of you shares this tension; your houses and personal "
        "planets decide where it bites. Growth in steady stages gives you a reliable "
        "sense of timing.",
        "Jupiter-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a knack for lucky breaks, sudden openings and original ideas that "
        "lead somewhere. Freedom and growth go hand in hand for you, and travel, "
        "invention or unconventional beliefs may widen your world. This contact is "
        "shared by those born within months of you, so it shows most clearly through "
        "its houses and any link to your personal planets. Stay curious, and fortune "
        "often surprises you.",
        "Jupiter-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Unexpected openings appear at the edges of your life, and you need to pay "
        "attention to catch them. This contact, common to your whole age cohort, "
        "rewards curiosity and a willingness to experiment with your beliefs and "
        "plans. Over time those experiments add up to a broader and more independent "
        "outlook.",
        "Jupiter-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may crave freedom so strongly that you resist commitment or take reckless "
        "chances, and sudden reversals of fortune are possible. Beliefs can shift "
        "abruptly, and you may be drawn to people or schemes that promise instant "
        "transformation. Shared by everyone born in the same months, this restlessness "
        "is coloured by your houses. Testing new ideas before leaping, and revising "
        "plans calmly when luck turns, lets your originality pay off.",
        "Jupiter-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have a generous, idealistic and spiritual nature, with a vivid imagination "
        "and deep compassion. Religion, art, music, healing or charity may draw you, "
        "and you tend to believe in people. The aspect is shared by those born in "
        "the same season, so its personal weight comes through houses and links to "
        "your inner planets. Your faith is a gift; give it some practical grounding "
        "so dreams can become reality.",
        "Jupiter-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "An idealism colours your hopes, so you may sometimes expect more from life "
        "or people than they can give. Shared by your age cohort, this contact asks "
        "for repeated adjustments between faith and fact, and repays them with a "
        "mature, compassionate outlook that is neither naive nor cynical.",
        "Jupiter-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Idealism can tip into unrealistic expectations, gullibility or escape, and "
        "you may over-promise or be drawn to persuasive gurus and get-rich schemes "
        "that mirror your own longing. Shared by everyone born within months of you, "
        "this tension plays out through your houses and personal planets, often as "
        "a repeated need to adjust faith to fact. Discernment, practical checks and "
        "grounded service let your visionary longing inspire rather than mislead.",
        "Jupiter-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Ambition and depth reinforce each other in you, giving a capacity to gain "
        "influence, resources or expertise through persistent, focused effort. You "
        "grasp how systems work beneath the surface and can help transform them. "
        "Because people born within months of you share this contact, it matters "
        "most through its houses and inner-planet links. Use your influence ethically "
        "and it can change the world around you.",
        "Jupiter-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A quiet urge for deeper growth runs through your ambitions, encouraging "
        "you to look beneath surfaces before committing. Shared with your age cohort, "
        "this contact develops through attention to how you use influence and resources, "
        "and rewards that attention with a steady, well-founded sense of purpose.",
        "Jupiter-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Ambition can become excessive, leading to power struggles with authorities, "
        "obsessive pursuit of success or convictions held with total certainty. Powerful "
        "people may seem to stand in your way when they reflect your own hunger for "
        "influence. Shared by everyone born around the same months, this drive becomes "
        "personal through your houses and inner planets. Ethical restraint, humility "
        "and a willingness to adjust your aims give it lasting, constructive force.",
        "Jupiter-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This contact, shared by everyone born within a year or two of you, joins "
        "the wish to preserve with the urge to renew. It can give a practical inventiveness "
        "and a talent for reforming institutions from within; where the two planets "
        "meet, the pull between security and change is felt more keenly before it "
        "is mastered. Where it touches your personal planets, you can be both innovator "
        "and the one who makes things last.",
        "Saturn-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by people born within a year or so of you, this contact links the "
        "wish to preserve with the urge to renew. In daily life it may show as a "
        "tension between routine and restlessness, security and experiment. Where "
        "it touches your personal planets, regular updates to your habits and structures "
        "keep you from either stagnating or tearing everything down.",
        "Saturn-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Old and new collide in this aspect, which you share with everyone born in "
        "the same year or two; your generation grew up amid tension between tradition "
        "and reform. Where it touches your inner planets or angles, you may swing "
        "between clinging to security and breaking free abruptly, or meet the other "
        "side in people who seem all rules or all rebellion. The growth lies in becoming "
        "a bridge: revising things deliberately and letting structures evolve.",
        "Saturn-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Dreams and discipline meet in this contact, which you share with your age "
        "group. At its best it lets a generation build ideals into lasting forms, "
        "such as hospitals, charities, films or spiritual communities; where the "
        "two planets join, firm structures may also seem to dissolve and hopes must "
        "prove themselves. Where it links to your personal planets, you may give "
        "imagination a practical shape and serve others with patience and realism.",
        "Saturn-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Like most contacts between the slow planets, this one belongs to your whole "
        "age group more than to you alone, and the link between realism and idealism "
        "it describes rarely makes itself felt. It may show as unease when life becomes "
        "too practical or too dreamy. Where it touches your own planets, taking concrete "
        "steps toward an inspiring aim, and letting some mystery into your duties, "
        "strengthens both sides over time.",
        "Saturn-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Reality and ideals strain against each other in this aspect, a mark of your "
        "age group, whose formative years may have seen dreams dissolve or institutions "
        "quietly eroded. You may swing between cynicism and wishful thinking, fear "
        "that nothing is solid, or find others playing the dreamer or the cynic for "
        "you. Where it touches your personal planets, patient, often revised effort "
        "to give one vision real form shows you that faith and realism can work together.",
        "Saturn-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by your whole age group, this contact joins structure with the power "
        "to tear down and rebuild. It lends endurance, deep concentration and a talent "
        "for restoring what has broken, though where the two planets meet it can "
        "also bring heavy pressures and a stern, guarded relationship to power. Where "
        "it touches your personal planets, you may find great staying power in a "
        "crisis and an aptitude for long, serious undertakings.",
        "Saturn-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your entire birth year has this aspect, a thread between structure and deep "
        "change. It may surface as a sense that the rules you live by need renewing "
        "from time to time. Where it contacts your personal planets, attending to "
        "these pressures, and letting worn-out commitments go gracefully, builds "
        "a durable resilience.",
        "Saturn-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Heavy pressures mark this aspect, which your generation shares: people born "
        "in these years often grew up amid hardship, rigid authority or the collapse "
        "of established orders. Where your inner planets are involved, you may feel "
        "burdened or driven to control, adjust to pressures you did not choose, and "
        "meet in others the power you hold back. Yet few aspects build such strength. "
        "Facing fear directly and owning your power let endurance grow into lasting "
        "achievement.",
        "Saturn-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Everyone born from roughly the late 1980s through the 1990s shares this "
        "rare fusion of freedom and imagination, which returns only about every 170 "
        "years. It marks a generation shaped by digital worlds, virtual connection "
        "and a blurring of the real and the imagined. In your own chart it matters "
        "through its house and any links to personal planets, showing where you can "
        "dream up new forms for society and spirit.",
        "Uranus-Neptune:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by everyone born over several years around you, this link between "
        "the urge for change and the longing for the ideal rarely tells a personal "
        "story on its own. Where it touches your own inner planets, it asks for practical "
        "ways of turning inspiration into innovation, and rewards you with a quietly "
        "visionary outlook.",
        "Uranus-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by your entire generation, this easy link between innovation and "
        "imagination lends a natural openness to new spiritual ideas, artistic experiment "
        "and technologies that widen awareness. On its own it is background climate. "
        "It becomes personal through its houses and wherever it contacts your inner "
        "planets, showing where intuition and originality work together for you without "
        "strain.",
        "Uranus-Neptune:sextile-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This aspect, shared by everyone born over a span of years around you, reflects "
        "a generation caught between radical change and spiritual longing, between "
        "revolution and dissolution. Where it touches your personal planets, you "
        "may feel torn between freedom and surrender, or meet one side of the conflict "
        "in the people and causes you are drawn to. Letting each side correct the "
        "other gives you a rare, grounded idealism.",
        "Uranus-Neptune:square-opposition")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Common to your whole age group, this awkward contact pairs the urge to break "
        "free with the urge to dissolve into something greater, two drives with little "
        "natural understanding of each other. It often shows as uncertainty about "
        "how to turn ideals into action. Where it touches your personal planets, "
        "patient experiment and a readiness to revise your vision make you creatively "
        "adaptable.",
        "Uranus-Neptune:quincunx")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Everyone born in the 1960s shares this fusion of revolution and transformation, "
        "which returns only after more than a century. Your generation arrived amid "
        "upheaval and carries an instinct for radical change, from technology to "
        "social and sexual norms. On its own it describes the times; its house and "
        "any contacts to your inner planets show where you personally are called "
        "to break and remake the old.",
        "Uranus-Pluto:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by everyone born within several years of you, this link between sudden "
        "change and deep transformation rarely speaks on its own. Where it touches "
        "your personal planets, it may appear as periodic urges to overhaul some "
        "corner of your life. Attending to them consciously, rather than waiting "
        "for a crisis to force the issue, lets you grow through steady renewal.",
        "Uranus-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This easy contact between freedom and transformation belongs to your entire "
        "generation, lending a talent for constructive reform and for technological "
        "or psychological innovation. On its own it describes a collective climate "
        "rather than a personal trait. Through its houses and any links to your inner "
        "planets, it shows where you can bring about deep change with comparatively "
        "little resistance.",
        "Uranus-Pluto:sextile-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your generation shares this forceful tension between the urge for freedom "
        "and the pressure of deep transformation; it belongs to people born around "
        "the early 1930s and again in the early 2010s. It speaks of crisis, upheaval "
        "and the need to reshape society. Where it touches your inner planets, you "
        "may feel driven to break structures or meet sudden, radical change. Working "
        "the tension through consciously makes you an agent of renewal.",
        "Uranus-Pluto:square")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "An awkward link between change and transformation, this aspect is common "
        "to your whole age group and suggests a generation that must keep adapting "
        "to forces it does not fully understand. Where it touches your personal planets, "
        "upheavals may arrive sideways rather than head-on, asking for patient renegotiation "
        "instead of dramatic breaks. Flexibility is its growth edge.",
        "Uranus-Pluto:quincunx")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This rare opposition belongs to those born from 1901 to about 1905 and again "
        "from the early 2040s on, and speaks of a collective confrontation between "
        "the push for freedom and entrenched power. Those born under it face a world "
        "where revolution meets resistance. Where it touches your personal planets, "
        "these forces tend to reach you through other people, who act out what you "
        "have not yet claimed. Seeking balance lets that conflict become transformation.",
        "Uranus-Pluto:opposition")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This extremely rare conjunction, occurring roughly every 500 years and last "
        "formed in the early 1890s, belongs to an entire era rather than a single "
        "generation. It marks the seeding of a new cycle of collective imagination "
        "and transformation. For you as an individual it counts only where it falls "
        "by house or meets a personal planet; there you may sense deep undercurrents "
        "of change in belief and vision.",
        "Neptune-Pluto:conjunction")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This link between imagination and transformation belongs to everyone born "
        "from about 1914 to 1919, a generation that arrived amid war and pandemic, "
        "so it is collective background rather than personal story. Where it touches "
        "your own planets, shifts in your ideals and deepest values may ask for conscious "
        "adjustment, gradually deepening your spiritual outlook.",
        "Neptune-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This long, harmonious contact between imagination and deep transformation "
        "is shared by whole generations, so it says more about the age you were born "
        "into than about you alone. It suggests a collective capacity for spiritual "
        "renewal and healing. It becomes personal through houses and any contact "
        "to your inner planets, where insight, compassion and the power to regenerate "
        "may come to you naturally.",
        "Neptune-Pluto:sextile-trine")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This rare tension between ideals and transforming power is shared by everyone "
        "born across several decades. It speaks of a collective struggle between "
        "dream and disillusion, faith and upheaval, often lived out between groups "
        "that each see the other as the threat. It becomes personal only where it "
        "meets your personal planets or stresses a house; there it may bring a loss "
        "of belief, a long adjustment and a rebirth, teaching you to hold vision "
        "and reality together.",
        "Neptune-Pluto:tense")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A conjunction fuses two planets, 0 degrees apart, into a single force. Their "
        "principles can no longer act alone, and as they usually share a sign, its "
        "element and quality colour both. It is the most powerful contact in a chart, "
        "expressed strongly and often unawares, for good or ill. Zodrivel counts "
        "it within 10 whole degrees of exact: the distance is rounded to the nearest "
        "degree, an exact half to the even one, so 10.5 degrees still counts and "
        "11 does not.",
        "Conjunction")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Conjunction",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Power",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Hard Aspect",
        "category")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Same Element / Same Quality/ Same Gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Conjunction Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A semi-sextile links planets 30 degrees apart, in neighbouring signs that "
        "share neither element nor quality and so see the world from different angles. "
        "Its effect is subtle, more a quiet response than an event, and it shows "
        "where steady adjustments are needed. Zodrivel counts it within 2 whole degrees "
        "of exact, from 28 to 32: the distance is rounded to the nearest degree, "
        "an exact half to the even one, so 27.5 and 32.5 degrees still count.",
        "SemiSextile")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Semi Sextile",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Response",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Soft Aspect",
        "category")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Different element/ different quality/different gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Semi-Sextile Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A sextile joins planets 60 degrees apart, in compatible elements, fire with "
        "air or earth with water, and marks an opportunity. The two principles cooperate "
        "readily, but the gift asks for a little initiative; acted on, talents develop "
        "and contacts open. Zodrivel counts it within 4 whole degrees of exact, from "
        "56 to 64: the distance is rounded to the nearest degree, an exact half to "
        "the even one, so 55.5 and 64.5 degrees still count.",
        "Sextile")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Sextile",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Opportunity",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Complementary element/different quality/same gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Sextile Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A square sets two planets 90 degrees apart, at cross purposes, usually in "
        "signs of the same quality but clashing elements. It brings irritation, inner "
        "pressure and obstacles that do not go away by being ignored, and that discomfort "
        "drives action and many hard-won achievements. Zodrivel counts it within "
        "8 whole degrees of exact, from 82 to 98: the distance is rounded to the "
        "nearest degree, an exact half to the even one, so 81.5 and 98.5 degrees "
        "still count.",
        "Square")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Square",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Irritation",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Same quality/different element/different gender ",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Square Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A trine links planets 120 degrees apart, in signs of the same element, so "
        "their energies flow together and support each other. It describes natural "
        "talent, sometimes so readily given that you take it for granted, and yields "
        "its best when you put the gift to work. Zodrivel counts it within 6 whole "
        "degrees of exact, from 114 to 126: the distance is rounded to the nearest "
        "degree, an exact half to the even one, so 113.5 and 126.5 degrees still "
        "count.",
        "Trine")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Trine",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Easy Flow",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Same element/Different Quality/Same Gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Trine Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A quincunx joins planets 150 degrees apart, in signs that share neither "
        "element nor quality and have no natural understanding of each other. It "
        "brings a persistent sense that something does not fit, often felt in health, "
        "schedules or duties, and calls for ongoing adjustment. Zodrivel counts it "
        "within 3 whole degrees of exact, from 147 to 153: the distance is rounded "
        "to the nearest degree, an exact half to the even one, so 146.5 and 153.5 "
        "degrees do not count.",
        "Quincunx")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Quincunx",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Adjustment",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Different Element/Different Quality/Different Gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Quincunx Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "An opposition places two planets 180 degrees apart, across the zodiac, facing "
        "each other like rivals or partners. It brings a swing between extremes, "
        "or meeting one side of yourself in other people, and the task is balance. "
        "Zodrivel counts it within 10 whole degrees of exact, from 170 to 180 degrees "
        "apart either way round: the distance is rounded to the nearest degree, an "
        "exact half to the even one, so 169.5 degrees still counts.",
        "Opposition")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Opposition",
        "tab caption")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Conflicts",
        "keyword")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "Complementary Element/Same Quality/Same Gender",
        "type")},
    {"CoreAspectKinds",
     QT_TRANSLATE_NOOP3("CoreAspectKinds",
        "%1-%2  In Opposition Aspect",
        "heading of an aspect in the report: %1 and %2 are the two bodies")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Sun",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Moon",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Mercury",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Venus",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Mars",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Jupiter",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Saturn",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Uranus",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Neptune",
        "")},
    {"CoreBodies",
     QT_TRANSLATE_NOOP3("CoreBodies",
        "Pluto",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Aries",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Taurus",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Gemini",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Cancer",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Leo",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Virgo",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Libra",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Scorpio",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Sagittarius",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Capricorn",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Aquarius",
        "")},
    {"CoreSigns",
     QT_TRANSLATE_NOOP3("CoreSigns",
        "Pisces",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "January",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "February",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "March",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "April",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "May",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "June",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "July",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "August",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "September",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "October",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "November",
        "")},
    {"CoreMonths",
     QT_TRANSLATE_NOOP3("CoreMonths",
        "December",
        "")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii Daylight Time,AHDT,-9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii Standard Time,AHST,-10.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii War Time,AHWT,-9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Atlantic Standard Time,AST,-4.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Atlantic War Time,AWT,-3.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Central Daylight Time,ACDT,+10.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Central Standard Time,ACST,+9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Eastern Daylight Time,AEDT,+11.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Eastern Standard Time,AEST,+10.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Western Daylight Time,AWDT,+9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Western Standard Time,AWST,+8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Azores Time, AT, -2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Baghdad Time, BAT, +3.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Bering Standard Time,BET,-11.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Brazil Zone 2,BZT2,-3.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British Double Summer Time,BDST,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British Summer Time,BST,+1.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British War Time,BWT,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central Daylight Time,CDT,-5.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central European Daylight,CED,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central European Time,CET,+1.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central Standard Time,CST,-6.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central War Time,CWT,-5.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "China Coast Time,CCT,+8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern Daylight Time,EDT,-4.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern European Daylight Time,EED,+3.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern European Time,EET,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern Standard Time,EST,-5.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern War Time,EWT,-4.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Greenwich Mean Time,GMT,0.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Guam Standard Time,GST,+10.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian Daylight Time,HDT,-9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian Standard Time,HST,-10.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian War Time,HWT,-9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Indian Time, IST, +5.3",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Int'l Date Line East,IDLE,+12.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Int'l Date Line West,IDLW,-12.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Iran Time, IT, +3.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Japan Standard Time,JST,+9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Java Time, JT, +7.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Middle European Daylight Time,MED,+2.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Middle European Time,MET,+1.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Moluccas Time, MT, +8.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain Daylight Time,MDT,-6.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain Standard Time,MST,-7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain War Time,MWT,-6.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Std Summer Time,NZST,+13.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Std Time,NZT,+12.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Summer Time,NZS,+12.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Time,NZ,+11.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Newfoundland Standard Time,NST,-3.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Nome Time, NT, -11.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "North Sumatra Time,NST,+6.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific Daylight Time,PDT,-7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific Standard Time,PST,-8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific War Time,PWT,-7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Daylight Time,SAD,+10.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Daylight Time,SDT,+10.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Standard Time,SAST,+9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Standard Time,SAT,+9.5",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Sumatra Time,SST,+7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Universal Time, UT, 0.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 10,UZ10,+11.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 3,USZ3,+4.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 4,USZ4,+5.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 5,USZ5,+6.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 6,USZ6,+7.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "West Africa Time,WAT,-1.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon Daylight Time,YDT,-8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon Standard Time,YST,-9.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon War Time,YWT,-8.0",
        "a row of the zone list: name, abbreviation, hours from Greenwich")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Alaska/Hawaii War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Atlantic Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Atlantic War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Central Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Central Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Eastern Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Eastern Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Western Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Australian Western Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Azores Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Baghdad Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Bering Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Brazil Zone 2",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British Double Summer Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British Summer Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "British War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central European Daylight",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central European Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Central War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "China Coast Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern European Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern European Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Eastern War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Greenwich Mean Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Guam Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Hawaiian War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Indian Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Int'l Date Line East",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Int'l Date Line West",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Iran Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Japan Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Java Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Middle European Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Middle European Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Moluccas Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Mountain War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Std Summer Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Std Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Summer Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "New Zealand Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Newfoundland Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Nome Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "North Sumatra Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Pacific War Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Australia Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "South Sumatra Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Universal Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 10",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 3",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 4",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 5",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "USSR Zone 6",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "West Africa Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon Daylight Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon Standard Time",
        "a zone's name, as a note names it")},
    {"CoreTimeZones",
     QT_TRANSLATE_NOOP3("CoreTimeZones",
        "Yukon War Time",
        "a zone's name, as a note names it")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Only Numbers Are Accepted",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter only Letters",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Name",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Value Between 0 And 179 in the Degree of Longitude",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Value Between 0 And 59 in the  Minute of Longitude",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Value Between 0 And 89 in the Degree of Latitude",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Value Between 0 And 59 in the  Minute of Latitude",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Correct Date Or Month!",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Correct Date Or Month !",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter City",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter State",
        "")},
    {"CoreEntryMessages",
     QT_TRANSLATE_NOOP3("CoreEntryMessages",
        "Please Enter Country",
        "")},
    {"CoreLabels",
     QT_TRANSLATE_NOOP3("CoreLabels",
        "Join the Zodrivel discussion board: share your chart and ask other users "
        "about aspects.",
        "")},
    {"CoreLabels",
     QT_TRANSLATE_NOOP3("CoreLabels",
        "Home Business Opportunity. Start your own Internet business and make money "
        "online. Get this software fully branded for your website. Click here for "
        "more details.",
        "")},
    {"CoreLabels",
     QT_TRANSLATE_NOOP3("CoreLabels",
        "Co-brand this software for your site.  Increase loyalty and traffic to your "
        "site. Put your site's name &  link here. See \"Help\" for details.    Click "
        "Here for more info on co-branding.",
        "")},
    {"CoreLabels",
     QT_TRANSLATE_NOOP3("CoreLabels",
        "Zodrivel calculates the angular distance or aspects between different planets. "
        "Each aspect is associated with different characteristics or attributes that "
        "are reflected in an individual's personality. Know what aspects are present "
        "in your natal chart with this software!",
        "")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "%1 %2 %3",
        "a date: %1 day, %2 month name, %3 year")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "UT %1 %2",
        "%1 the date, %2 the time (hh:mm)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "E",
        "east, after a longitude (74°00'E)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "W",
        "west, after a longitude (74°00'W)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "N",
        "north, after a latitude (40°43'N)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "S",
        "south, after a latitude (40°43'S)")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "%1 (%2)",
        "a zone: %1 its name, %2 its abbreviation")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "%1, daylight saving",
        "%1 a zone, as \"Central European Time (CET)\"")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "Daylight saving is ticked, but %1 already includes it: the hour is taken "
        "off twice. Choose the standard-time zone, or untick daylight saving.",
        "%1 the zone's name")},
    {"CoreSummary",
     QT_TRANSLATE_NOOP3("CoreSummary",
        "The zone %1 lies on the other side of Greenwich from a longitude of %2. "
        "Check the zone and the East/West choice.",
        "%1 the zone's name, %2 the longitude (74°00'W)")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "No Planet is present in this aspect.",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Report Generated By %1",
        "first and last line of the report: %1 the home page")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Name:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Born:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Place:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Zone:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Computed for:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Model:",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Body",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Sign",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Position",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "House",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "(orb %1, applying)",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "(orb %1, separating)",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Page %1 of %2",
        "")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Classic (as in version 1.15)",
        "the model of the sky a chart was computed with")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Precise (Swiss Ephemeris)",
        "the model of the sky a chart was computed with")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Placidus",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Koch",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Equal",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Whole Sign",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Porphyry",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Regiomontanus",
        "a house system")},
    {"CoreReport",
     QT_TRANSLATE_NOOP3("CoreReport",
        "Campanus",
        "a house system")},
};
// clang-format on

const std::size_t CoreTextCatalogueSize = std::size(CoreTextCatalogue);

}  // namespace zodrivel
