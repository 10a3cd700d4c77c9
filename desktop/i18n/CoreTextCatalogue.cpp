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
        "a faint mismatch between what you set out to do and what you feel like doing, "
        "an itch rather than a crisis. Small, honest check-ins with yourself, asking "
        "what you need before deciding what you want, slowly turn that itch into "
        "quiet self-knowledge.",
        "Sun-Moon:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Something in you wants one thing while something older and more private "
        "needs another, and for years the two may seem to take turns running your "
        "life. Often this echoes parents who wanted different things, and you may "
        "carry both of their voices. The tension makes you restless, but it also "
        "makes you perceptive about inner conflict. Growth comes when you stop letting "
        "one side win and build a life with room for ambition and comfort alike.",
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
        "you. Nervous energy runs high, and you grow restless when your mind outpaces "
        "your will. Writing things down, slowing big decisions, and testing whether "
        "an idea feels right as well as sounds right turn this friction into unusually "
        "honest self-examination.",
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
        "a little translation before they meet. You may notice that the things you "
        "enjoy and the life you are building do not obviously connect. With attention, "
        "small choices, such as bringing beauty into your workplace or warmth into "
        "your daily effort, let love and identity grow into one another.",
        "Sun-Venus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may feel torn between being true to yourself and being liked, or between "
        "your own aims and the pull of love and comfort. At times you could lean "
        "too hard on approval, or swing the other way and dismiss your need for affection "
        "as weakness. The friction pushes you to discover what you genuinely value "
        "rather than what pleases others, and once you know, your warmth becomes "
        "far more convincing.",
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
        "you intend. You may meet resistance at every turn, pick fights you do not "
        "need, or feel that others are forever pushing you. Much of that conflict "
        "is your own untamed force meeting the world. Competitive sport, demanding "
        "work and honest anger spoken early rather than late turn this combustible "
        "mix into real courage and staying power.",
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
        "so opportunities tend to appear slightly off to one side of your main path. "
        "You may have to stretch a little to notice them, or to believe they are "
        "meant for you. A modest habit of saying yes to the unfamiliar, and of learning "
        "from each step, slowly widens your world and your confidence together.",
        "Sun-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You want more than life offers at any given moment, and that hunger can "
        "lead to overreaching, exaggeration or trying to live up to an inflated picture "
        "of yourself. You may swing between grand plans and deflation, or clash with "
        "teachers, authorities and creeds. The lesson is proportion: when your generosity "
        "and vision rest on realistic effort, your restlessness becomes the engine "
        "of genuine growth.",
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
        "A quiet sense of obligation trails your self-expression, as though you need "
        "permission before fully shining. It is not heavy, but it keeps asking whether "
        "your efforts are sound. Over time this becomes a useful discipline: small, "
        "regular commitments that mature into competence, and an ability to take "
        "yourself seriously without losing your warmth.",
        "Sun-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may have grown up feeling that you had to earn the right to exist, perhaps "
        "under a demanding or absent father figure, and self-doubt can shadow your "
        "efforts. Obstacles seem to rise exactly where you most want to shine. Yet "
        "this pressure forges endurance and hard-won self-respect. The authority "
        "you fight outside is often one you must build inside; as you do, the walls "
        "around you become a framework.",
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
        "up in small surprises: a sudden change of plan, an unexpected interest, "
        "an odd solution that works. You may not always know what to do with these "
        "impulses. Giving them a regular outlet, such as an experimental hobby or "
        "a role that rewards fresh thinking, lets your originality grow without unsettling "
        "the rest of your life.",
        "Sun-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your need for freedom collides with the person you are trying to become, "
        "producing sudden breaks, abrupt changes of direction and a restless dislike "
        "of being told what to do. You can be brilliant and rebellious at once, and "
        "others may find you erratic. The task is to tell true independence from "
        "mere reaction; once you can, your appetite for change makes you an agent "
        "of renewal rather than disruption.",
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
        "catch glimpses of ideals you are not yet sure how to live. At times there "
        "is a faint confusion about direction, a feeling of drifting. A regular creative "
        "or contemplative practice, kept modest and consistent, gives those glimpses "
        "a shape and slowly clarifies what you really want.",
        "Sun-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "It can be hard to see yourself clearly: you may idealise yourself, undersell "
        "yourself, or dissolve into what others expect, and a father figure may have "
        "been elusive or disappointing. Escape through fantasy, substances or self-sacrifice "
        "is a real temptation. Yet the same sensitivity can become compassion and "
        "inspiration. Clear commitments, honest feedback and creative discipline "
        "help you turn fog into vision.",
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
        "Beneath your everyday self runs a quiet intensity you may only notice under "
        "pressure. Small crises ask you to shed an old role or attitude, and each "
        "time you do, you grow more substantial. The adjustments are subtle but they "
        "add up. Paying attention to what you cling to, and why, gives you a steady, "
        "unforced kind of power.",
        "Sun-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Power struggles may be a recurring theme, whether with authorities, partners "
        "or your own compulsions. You feel things intensely, fear being controlled, "
        "and sometimes control others in return. Life may bring periods when everything "
        "is stripped back to the bone. These upheavals, painful as they are, reveal "
        "an extraordinary resilience; when you face your own shadow honestly, you "
        "gain an authority no one can take from you.",
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
        "or find emotion clouding your judgement at the worst moment. Worry and nervous "
        "tension can build, especially when you feel misunderstood. This friction "
        "also trains a sharp psychological intelligence: by learning to hear both "
        "logic and instinct, you become unusually good at catching what people mean "
        "beneath what they say.",
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
        "other comforts. The friction teaches you to value yourself; as you do, you "
        "attract love that satisfies your heart and your taste at the same time.",
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
        "Your feelings and your impulses are slightly mismatched, so irritation can "
        "rise from needs you have not yet named. You may snap when you are really "
        "tired, hungry or longing for care. Noticing the first stirrings of annoyance "
        "and asking what you need lets you turn that energy into action that helps, "
        "and gradually makes you both gentler and more effective.",
        "Moon-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Emotion and anger are closely wired in you, so hurt can flip into hostility "
        "and you may react before you understand what you feel. Family quarrels, "
        "impatience or moodiness may have marked your early years. This aspect also "
        "gives real emotional courage. Learning to voice anger directly but without "
        "cruelty, and to rest when your body asks for it, makes you a formidable "
        "protector rather than a fighter.",
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
        "nudging the other. You may feel mildly restless when life is too comfortable "
        "and mildly uneasy when it expands too fast. Small experiments, such as opening "
        "your home to new people or taking short trips, stretch your comfort zone "
        "gently and let your generosity grow at a pace you can sustain.",
        "Moon-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your emotions run large, and you may overdo things in search of comfort, "
        "whether food, spending or promises you cannot keep. Nothing quite satisfies "
        "for long, or you feel you must rescue everyone in sight. Growth comes from "
        "moderation and from recognising that true abundance is inward. Then your "
        "big heart becomes a reliable warmth rather than a flood that swamps you "
        "and others.",
        "Moon-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You are emotionally steady, practical and dependable, and you take your "
        "responsibilities to family and home seriously. Your feelings run deep rather "
        "than wide, and you prefer security earned over time to comfort handed out. "
        "Others lean on you in hard moments. Be careful not to become so self-contained "
        "that you forget your own need for tenderness; letting people care for you "
        "deepens your strength.",
        "Moon-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "A slight reserve colours your emotional life, as though you check whether "
        "a feeling is allowed before letting it show. The caution is mild and can "
        "be useful, giving you composure under pressure. Over time, allowing small "
        "moments of vulnerability with people you trust teaches you that security "
        "and openness can live in the same house.",
        "Moon-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may have learned early that your needs were a burden, perhaps because "
        "care at home was scarce, strict or dutiful, and so you learned to manage "
        "alone. Loneliness, guilt or a fear of depending on anyone can follow you "
        "into adult life. Yet this aspect builds great emotional resilience. As you "
        "learn to parent yourself kindly, you can form bonds that are both secure "
        "and warm.",
        "Moon-Saturn:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You need emotional freedom and thrive on variety and surprise. Your instincts "
        "are quick and sometimes startlingly accurate, and you may have an unconventional "
        "home life or an unusual bond with your mother. You bring a spark into people's "
        "lives. Because you value space so highly, those close to you may need reassurance "
        "that your independence is not indifference.",
        "Moon-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Restlessness stirs beneath your emotional routines, making you occasionally "
        "want to shake up your home, your habits or your closest ties. The urges "
        "are small but persistent. Honouring them in manageable ways, by rearranging "
        "a room, trying a new ritual or taking time alone, keeps your inner life "
        "fresh without unsettling the people you care about.",
        "Moon-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your feelings can change without warning, and you may swing between craving "
        "closeness and needing to escape it. Early home life may have been unstable "
        "or unusual, leaving you wary of depending on anyone. Relationships can feel "
        "like a tug-of-war between safety and space. The way forward is to build "
        "security that includes freedom, choosing people who respect your independence "
        "and learning to stay present when emotions run high.",
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
        "of rescue. The work is discernment, caring without merging and seeing people "
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
        "Quiet undercurrents move through your feelings, and you may sense the emotional "
        "truth of a situation before anyone speaks it. Small acts of letting go are "
        "asked of you again and again: old habits, grudges, attachments. Each one "
        "you release leaves you lighter and more perceptive, slowly turning a faint "
        "intensity into steady emotional wisdom.",
        "Moon-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Feelings can overwhelm you, and you may swing between fierce attachment "
        "and fear of being swallowed or abandoned. Your bond with your mother may "
        "have been intense, controlling or marked by loss. Jealousy and emotional "
        "power struggles can follow into adult relationships. Yet you have an extraordinary "
        "capacity to transform pain, and honest work with your deepest feelings releases "
        "a profound inner strength.",
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
        "Small adjustments of tone, such as softening a blunt remark or making a "
        "vague compliment specific, gradually refine both your speech and your relationships.",
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
        "care. Learning to express feelings clearly, and to value honesty as much "
        "as harmony, turns this friction into real eloquence.",
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
        "A slight edge can creep into how you speak. Practising short pauses, and "
        "matching your words to your deeds, gradually sharpens both your judgement "
        "and your timing.",
        "Mercury-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your words can cut, and you may be drawn into arguments more often than "
        "you would like. You think fast but can jump to conclusions, and nervous "
        "irritability may wear you down. This friction also forges a formidable mind "
        "for debate, critique and problem-solving. Learning to listen fully before "
        "you fire back turns sharpness into insight.",
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
        "meaning, or hold big ideas without the details to back them. Small daily "
        "efforts to connect the two, such as reading widely and noting what each "
        "thing taught you, slowly build a mind both informed and wise.",
        "Mercury-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You can take on more ideas than you can digest, promise more than you can "
        "deliver, or overstate your case in the heat of conviction. Scattered thinking "
        "and careless slips with detail may cause trouble. Yet your mind is generous "
        "and hungry. Discipline in study, fact-checking your own beliefs, and genuine "
        "curiosity about opposing views turn this restlessness into understanding.",
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
        "A mild self-consciousness accompanies your thinking, so you tend to check "
        "your words or doubt your ideas before sharing them. This can slow you a "
        "little, but it also breeds precision. Regular practice, whether writing, "
        "studying or speaking up in small groups, turns this caution into a quiet "
        "authority and the confidence to use it.",
        "Mercury-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may have felt early on that you were not clever enough or not listened "
        "to, and fear of saying the wrong thing can hold you back. Your thinking "
        "may turn rigid, gloomy or defensive under pressure. Yet this aspect gives "
        "exceptional concentration and depth. Patient study, and learning to trust "
        "knowledge you earned the hard way, turn doubt into mastery.",
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
        "you may not know at once how to use them. You can feel slightly out of step "
        "with how others reason. Keeping a notebook for sudden ideas, and testing "
        "them calmly later, develops this into a distinctive and dependable originality.",
        "Mercury-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your mind can race, jumping from idea to idea with nervous excitement and "
        "sometimes tactless candour. You may be contrary for its own sake or struggle "
        "to stay focused, and sleep can suffer when your thoughts will not switch "
        "off. Yet your intellect is genuinely inventive. Grounding routines, structured "
        "learning and a real willingness to hear other views turn erratic brilliance "
        "into innovation.",
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
        "be misled, or mislead others without meaning to. Yet your imagination is "
        "rich and your intuition keen. Checking facts, asking for clarity and giving "
        "your fantasies a creative home turn fog into inspiration.",
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
        "that others are trying to manipulate you. Secrets, mistrust and intense "
        "arguments can recur. Yet your mind has great depth and the power to transform "
        "through understanding. Honest communication, and a willingness to be changed "
        "by what you learn, free this force for good.",
        "Mercury-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Desire and affection cooperate in you, so you can want someone and like "
        "them at the same time, which is rarer than it sounds. You have warmth, physical "
        "charm and a healthy appetite for life, and your creative work often carries "
        "a sensual, energetic quality. Romance tends to find you. The easy flow can "
        "make you casual about attraction; your magnetism means most when you put "
        "it behind a bond you choose to keep.",
        "Venus-Mars:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "What draws you and what you actually enjoy once you have it are close cousins, "
        "not twins. You may pursue someone and then find you wanted gentleness more "
        "than conquest, or wait politely when a bolder move was called for. Paying "
        "attention to these small misfires, and adjusting pace and approach in love, "
        "gradually gives you a well-timed, grown-up kind of passion.",
        "Venus-Mars:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your love life rarely runs on low heat: attraction arrives with friction, "
        "and you may be drawn to people you argue with, or feel that closeness costs "
        "you your independence. At times you give too much and then resent it, or "
        "take the lead and then feel unloved. This tension is also the source of "
        "real chemistry. Learning to ask plainly for what you desire, and to hear "
        "a no without injury, makes your passion sustainable.",
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
        "tugging slightly at the other. One month you may spend too freely on comfort, "
        "the next hold back from a generosity that would have been wise. Noticing "
        "these swings without judgement, and asking whether a pleasure actually enlarges "
        "your life, gradually teaches you a relaxed and gracious kind of abundance.",
        "Venus-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "More always seems better where love and pleasure are concerned, which can "
        "lead to overspending, overeating, or expecting a partner to supply a happiness "
        "no one person can. Disappointment follows when reality falls short of the "
        "picture. Your heart is genuinely large, however. When you learn that enough "
        "can be a feast, and choose quality over quantity, your warmth and taste "
        "become assets rather than debts.",
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
        "A slight caution tempers your affections; you like to be sure of someone "
        "before you let them matter. This reserve is mild and often protects you "
        "from hasty choices, though it can make you seem cooler than you feel. Offering "
        "trust in small, deliberate steps, and noticing when prudence has quietly "
        "become fear, helps you build relationships that are both safe and warm.",
        "Venus-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Love may have felt like something you had to deserve. You might fear rejection "
        "so keenly that you hold back affection, settle for relationships ruled by "
        "obligation, or judge your looks and worth harshly. Loneliness can visit "
        "even inside a partnership. Yet this aspect teaches what real commitment "
        "is. As you build self-worth patiently, from within, you attract love that "
        "is steady and honest, and it often deepens with age.",
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
        "unexplained dislikes, a taste for something a little offbeat. You may need "
        "slightly more room in love than you usually admit. Saying so openly, and "
        "building small surprises and shared novelties into your relationships, keeps "
        "them fresh without turning them upside down.",
        "Venus-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Relationships may begin like lightning and end as abruptly, and you can "
        "swing between craving closeness and bolting from it. Unavailable, distant "
        "or unconventional partners may hold a special fascination. Underneath, love "
        "and freedom feel like opposites. The work is separating genuine independence "
        "from a fear of being trapped; once you do, you can build partnerships that "
        "are lively, honest and able to survive change.",
        "Venus-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your affections draw easy support from either the steadier or the freer "
        "side of you. Where Saturn is the partner, love comes with patience, loyalty "
        "and a taste for lasting, classic beauty; where Uranus is, it comes with "
        "friendship, originality and respect for each other's space. Either way you "
        "can give a relationship both shape and breathing room. Like every easy gift, "
        "this one grows best when used deliberately.",
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
        "Romantic ideals shimmer faintly behind your affections, so you may quietly "
        "expect more magic from love than daily life supplies. The gap is small but "
        "steady, a low hum of longing. Letting art, music and beauty carry part of "
        "that longing, while appreciating real people as they are, brings your ideals "
        "and your relationships a little closer each year.",
        "Venus-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may fall in love with potential rather than with the person, rescue "
        "partners who do not want saving, or give until nothing is left. Disappointment "
        "follows when the dream dissolves, and boundaries around money can blur as "
        "well. Yet your capacity for compassion and artistic imagination is exceptional. "
        "Seeing clearly is not the end of romance; it is what allows your devotion "
        "to be received.",
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
        "who transform you through crisis, and endings can feel like small deaths. "
        "Beneath this often lies a fear of being worthless unless you are needed. "
        "As you learn that you are valuable in yourself, your passion turns from "
        "grasping into a force that heals.",
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
        "Your drive and your convictions are slightly out of tune, so you may pour "
        "effort into the wrong goal or lose steam once the aim grows vague. It is "
        "a small mismatch, noticed mostly in hindsight. Checking now and then that "
        "what you are doing serves what you believe in gradually turns scattered "
        "zeal into steady, well-aimed enthusiasm.",
        "Mars-Jupiter:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You are inclined to act big and fast, which can mean overcommitting, taking "
        "risks you cannot afford, or crusading for causes without hearing the other "
        "side. Rules and authorities may provoke you, and exhaustion sometimes follows "
        "bursts of overreach. Yet there is tremendous courage in you. With planning "
        "and a sense of limits, your zeal can accomplish what more cautious people "
        "only talk about.",
        "Mars-Jupiter:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You can work hard, long and steadily, and you know how to apply effort where "
        "it will count. Patience and drive cooperate in you, so you do well at tasks "
        "that need stamina, skill or careful timing, from craftsmanship to engineering "
        "to endurance sport. You rarely waste energy. Take care that discipline does "
        "not turn harsh toward yourself or others; your strength is greatest when "
        "it includes rest.",
        "Mars-Saturn:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Small checks keep meeting your impulses, as if something inside asks you "
        "to wait and plan before you move. It can feel like driving with the brake "
        "slightly on, and it may irritate you. Learning to pace yourself, and to "
        "use the pause rather than fight it, gradually gives you remarkable precision "
        "and an energy that lasts.",
        "Mars-Saturn:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "It may seem that every time you push, something pushes back, and you can "
        "swing between holding your anger in and letting it out all at once. A harsh "
        "or frustrating authority may have shaped your early experience of effort, "
        "and tension can settle in your body. Yet this aspect forges exceptional "
        "endurance. Steady, structured work and honest outlets for frustration turn "
        "it into hard-won mastery.",
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
        "change direction, to try something wildly different. These jolts are small "
        "but real, and they can leave you restless. Noticing them, and giving them "
        "a safe channel such as experiment, movement or a side project, makes you "
        "more adventurous without making you reckless.",
        "Mars-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may act on impulse, rebel against any constraint, and find that accidents, "
        "sudden quarrels or abrupt changes follow. Your nervous system runs hot, "
        "and patience is hard to come by. But you also have exceptional courage and "
        "a knack for breaking through where others are stuck. Pausing for a single "
        "breath before acting, and rebelling for something rather than against everything, "
        "turns volatility into brilliance.",
        "Mars-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your energy is moved by ideals, compassion or imagination, and you act most "
        "wholeheartedly for causes or creative visions larger than yourself. Dance, "
        "music, film, swimming and caring work may suit you, and you often sense "
        "what a situation needs without being told. Your challenge is direction, "
        "since inspiration can drift; anchoring your dreams in concrete goals lets "
        "your gentle strength go far.",
        "Mars-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your drive is sometimes softened or scattered by a dreamy undertow, so you "
        "may start with conviction and then lose sight of what you wanted. The effect "
        "is mild, mostly a matter of focus and fluctuating energy. Clarifying your "
        "aims in small written steps, and guarding your rest, gradually brings inspiration "
        "and action into step.",
        "Mars-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may find it hard to assert yourself directly, acting out of guilt, confusion "
        "or an ideal that turns out to be a mirage. Energy can leak away, and conflict "
        "you avoid may surface sideways later. Care is wise with alcohol and medication. "
        "Yet your compassion and imagination are strong. Naming what you want plainly, "
        "and keeping clear boundaries, turns vagueness into inspired action.",
        "Mars-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You have great reserves of willpower and stamina, and you can keep going "
        "long after others have quit. Your energy is focused and intense, and you "
        "may be drawn to demanding fields such as surgery, research, rescue work "
        "or competitive sport. You come into your own in a crisis. Because your force "
        "is considerable, use it consciously, and it will bring remarkable achievements.",
        "Mars-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "An undercurrent of intensity fuels your actions, surfacing now and then "
        "as stubbornness or an urge to win small contests at any cost. It is a subtle "
        "pressure, easy to overlook. Noticing when you are driven rather than choosing, "
        "and redirecting that force on purpose, develops a deep and quiet determination.",
        "Mars-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your will is formidable and may turn ruthless or compulsive under pressure. "
        "Power struggles, dangerous situations or explosive anger can mark your life, "
        "and you may have felt overpowered when young. Yet this aspect gives extraordinary "
        "courage and the ability to rebuild after destruction. As you learn to choose "
        "your battles and use force consciously, it becomes the strength to transform "
        "rather than destroy.",
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
        "between optimism and gloom, or between overextending and clamping down. "
        "Career progress can come in stop-start phases. Everyone born within a few "
        "months of you shares this tension; your houses and personal planets decide "
        "where it bites. Planning growth in steady stages turns it into sound judgement.",
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
        "Small, unexpected openings appear at the edges of your life, and you need "
        "to pay attention to catch them. This subtle contact, common to your whole "
        "age cohort, rewards curiosity and a willingness to run small experiments "
        "with your beliefs and plans. Over time those experiments add up to a broader "
        "and more independent outlook.",
        "Jupiter-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You may crave freedom so strongly that you resist commitment or take reckless "
        "chances, and sudden reversals of fortune are possible. Beliefs can shift "
        "abruptly, and you may be drawn to causes or schemes that promise instant "
        "transformation. Shared by everyone born in the same months, this restlessness "
        "is coloured by your houses. Testing new ideas before leaping turns it into "
        "genuine innovation.",
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
        "A faint idealism colours your hopes, so you may sometimes expect a little "
        "more from life or people than they can give. Shared by your age cohort, "
        "this gentle contact asks for small, repeated adjustments between faith and "
        "fact, and repays them with a mature, compassionate outlook that is neither "
        "naive nor cynical.",
        "Jupiter-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Idealism can tip into unrealistic expectations, gullibility or escape, and "
        "you may over-promise or be drawn to persuasive gurus and get-rich schemes. "
        "Shared by everyone born within months of you, this tension plays out through "
        "your houses and personal planets. Discernment, practical checks and service "
        "that stays grounded turn visionary longing into genuine inspiration.",
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
        "this subtle contact develops through attention to how you use influence "
        "and resources, and rewards that attention with a steady, well-founded sense "
        "of purpose.",
        "Jupiter-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Ambition can become excessive, leading to power struggles with authorities, "
        "obsessive pursuit of success or convictions held with total certainty. Shared "
        "by everyone born around the same months, this drive becomes personal through "
        "your houses and inner planets. Ethical restraint and humility turn it into "
        "a capacity for profound, constructive change.",
        "Jupiter-Pluto:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "You belong to a generation that knows how to combine structure with change: "
        "this contact is shared by everyone born within a year or two of you. It "
        "suggests a practical inventiveness, a talent for reforming institutions "
        "from within and for giving new ideas a workable form. Personally it comes "
        "alive through its houses and contacts to your Sun, Moon or angles, where "
        "you can be both innovator and the one who makes things last.",
        "Saturn-Uranus:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Shared by people born within a year or so of you, this faint contact links "
        "the wish to preserve with the urge to renew. In daily life it may show as "
        "a mild tension between routine and restlessness, security and experiment. "
        "Where it touches your personal planets, small, regular updates to your habits "
        "and structures keep you from either stagnating or tearing everything down.",
        "Saturn-Uranus:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Old and new collide in this aspect, which you share with everyone born in "
        "the same year or two; your generation grew up amid tension between tradition "
        "and reform. Personally, especially where it touches your inner planets or "
        "angles, you may swing between clinging to security and breaking free abruptly. "
        "The growth lies in becoming a bridge: changing things deliberately and letting "
        "structures evolve rather than collapse.",
        "Saturn-Uranus:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Dreams and discipline cooperate in this contact, which you share with your "
        "age group. It can give a generation a talent for building ideals into lasting "
        "forms, such as hospitals, charities, films or spiritual communities. In "
        "your own chart it matters most where it links to personal planets: there "
        "you may be able to give your imagination a practical shape and serve others "
        "with patience and realism.",
        "Saturn-Neptune:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Like most contacts between the slow planets, this one belongs to your whole "
        "age group more than to you alone, and the link between realism and idealism "
        "it describes rarely makes itself felt. It may show as a faint unease when "
        "life becomes too practical or too dreamy. Where it touches your own planets, "
        "taking small, concrete steps toward an inspiring aim, and letting some mystery "
        "into your duties, strengthens both sides over time.",
        "Saturn-Neptune:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Reality and ideals strain against each other in this aspect, a mark of your "
        "age group, whose formative years may have seen dreams dissolve or institutions "
        "quietly eroded. Personally you may swing between cynicism and wishful thinking, "
        "or fear that nothing is solid. Where it touches your personal planets, patient "
        "effort to give one vision real form shows you that faith and realism can "
        "work together.",
        "Saturn-Neptune:tense")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "This contact, shared by your whole age group, lends endurance, deep concentration "
        "and a talent for slowly rebuilding what has broken. People born under it "
        "often handle power responsibly, working within systems to transform them. "
        "In your own chart, where it touches personal planets, you may find great "
        "staying power in a crisis and an aptitude for long, serious undertakings.",
        "Saturn-Pluto:flowing")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Your entire birth year has this quiet aspect, a light thread between structure "
        "and deep change. It may surface as a vague sense that the rules you live "
        "by need renewing from time to time. Where it contacts your personal planets, "
        "attending to these small pressures, and letting worn-out commitments go "
        "gracefully, builds a modest but durable resilience.",
        "Saturn-Pluto:semisextile")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Heavy pressures mark this aspect, which your generation shares: people born "
        "in these years often grew up amid hardship, rigid authority or the collapse "
        "of established orders. Personally, where your inner planets are involved, "
        "you may feel burdened, controlled or driven to control. Yet few aspects "
        "build such strength. Facing fear directly and owning your power turns endurance "
        "into profound, lasting achievement.",
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
        "This faint link between the urge for change and the longing for the ideal "
        "is shared by everyone born over several years around you, and it rarely "
        "tells a personal story on its own. Where it touches your Sun, Moon or other "
        "inner planets, it asks for small, practical ways of turning inspiration "
        "into innovation, and rewards you with a quietly visionary outlook.",
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
        "revolution and dissolution. Personally, where it touches your Sun, Moon "
        "or inner planets, you may feel torn between freedom and surrender, or between "
        "hard reality and the dream. Letting each side correct the other gives you "
        "a rare, grounded idealism.",
        "Uranus-Neptune:square-opposition")},
    {"CoreParagraphs",
     QT_TRANSLATE_NOOP3("CoreParagraphs",
        "Common to your whole age group, this awkward contact pairs the urge to break "
        "free with the urge to dissolve into something greater, two drives with little "
        "natural understanding of each other. It often shows as uncertainty about "
        "how to turn ideals into action. Where it touches your personal planets, "
        "patient experiment and a readiness to revise your vision turn it into creative "
        "adaptability.",
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
        "Shared by everyone born within several years of you, this faint link between "
        "sudden change and deep transformation rarely speaks on its own. Where it "
        "touches your personal planets, it may appear as small, periodic urges to "
        "overhaul some corner of your life. Attending to them consciously, rather "
        "than waiting for a crisis to force the issue, lets you grow through steady "
        "renewal.",
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
        "This rare opposition, last formed around the turn of the twentieth century, "
        "belongs to a whole generation and speaks of a collective confrontation between "
        "the push for freedom and entrenched power. Those born under it face a world "
        "where revolution meets resistance. If it aspects your Sun, Moon or another "
        "personal planet, these forces may reach you through other people. Awareness "
        "and a search for balance turn that conflict into transformation.",
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
        "This faint link between imagination and transformation is shared by everyone "
        "born across a span of decades, so it is collective background rather than "
        "personal story. Where it touches your own planets, subtle shifts in your "
        "ideals and deepest values may ask for small, conscious adjustments, gradually "
        "deepening your spiritual outlook.",
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
        "dream and disillusion, faith and upheaval. It becomes your own story only "
        "where it meets your personal planets or stresses a house, and there it may "
        "bring a loss of belief followed by its rebirth, teaching you to hold vision "
        "and reality together.",
        "Neptune-Pluto:tense")},
    {"CoreSignificance",
     QT_TRANSLATE_NOOP3("CoreSignificance",
        "A conjunction fuses two planets into a single force. Their principles can "
        "no longer act alone, and because they usually share a sign, the same element "
        "and quality colour both. This is the most powerful contact in a chart: whatever "
        "the two planets mean, you express it strongly and often without noticing, "
        "for good or ill, as one intertwined drive.",
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
        "A semi-sextile links planets in neighbouring signs, which share neither "
        "element nor quality and so see the world from slightly different angles. "
        "Its effect is subtle, more a quiet response than an event. It shows where "
        "small, steady adjustments are needed, and where conscious attention gradually "
        "turns a faint awkwardness into a useful skill.",
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
        "A sextile joins planets in compatible elements, fire with air or earth with "
        "water, and marks an opportunity. The two principles cooperate readily, but "
        "the gift is not automatic: it asks for a little initiative to take up what "
        "is offered. When you act on it, talents develop, contacts open and things "
        "come together with pleasing ease.",
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
        "A square sets two planets at cross purposes, usually in signs of the same "
        "quality but clashing elements. It brings irritation, inner pressure and "
        "obstacles that will not go away by being ignored. That discomfort is also "
        "its value: squares drive action, and many of the achievements people are "
        "proudest of grow out of the effort to resolve one.",
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
        "A trine links planets in signs of the same element, so their energies flow "
        "together easily and support each other. It describes natural talent and "
        "things that come without struggle, sometimes so readily that you take them "
        "for granted. Trines offer ease and protection; they yield their best when "
        "you consciously put the gift to work.",
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
        "A quincunx joins planets in signs that share neither element nor quality "
        "and have no natural understanding of each other. The result is a persistent "
        "sense that something does not fit, often felt as strain on health, schedules "
        "or obligations. It calls for ongoing adjustment and compromise, and teaches "
        "you to hold together parts of your life that speak different languages.",
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
        "An opposition places two planets across the zodiac, facing each other like "
        "rivals or partners. It brings conflict and a tendency to swing between extremes, "
        "or to meet one side of yourself in other people. Through relationships you "
        "become aware of both ends, and the task is balance: finding a way for the "
        "two needs to cooperate rather than take turns.",
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
};
// clang-format on

const std::size_t CoreTextCatalogueSize = std::size(CoreTextCatalogue);

}  // namespace zodrivel
