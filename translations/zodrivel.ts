<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CoreAspectKinds</name>
    <message>
        <source>Conjunction</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard Aspect</source>
        <comment>category</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same Element / Same Quality/ Same Gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Conjunction Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi Sextile</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soft Aspect</source>
        <comment>category</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different element/ different quality/different gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Semi-Sextile Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sextile</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opportunity</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complementary element/different quality/same gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Sextile Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Irritation</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same quality/different element/different gender </source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Square Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trine</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easy Flow</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Same element/Different Quality/Same Gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Trine Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quincunx</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjustment</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different Element/Different Quality/Different Gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Quincunx Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opposition</source>
        <comment>tab caption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conflicts</source>
        <comment>keyword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complementary Element/Same Quality/Same Gender</source>
        <comment>type</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-%2  In Opposition Aspect</source>
        <comment>heading of an aspect in the report: %1 and %2 are the two bodies</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreBodies</name>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lilith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Trine</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kite</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Cross</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T-Square</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yod</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mystic Rectangle</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stellium</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreEntryMessages</name>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreLabels</name>
    <message>
        <source>Join the Zodrivel discussion board: share your chart and ask other users about aspects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zodrivel calculates the angular distance or aspects between different planets. Each aspect is associated with different characteristics or attributes that are reflected in an individual&apos;s personality. Know what aspects are present in your natal chart with this software!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreMonths</name>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreParagraphs</name>
    <message>
        <source>Your conscious will and your emotional needs pull in the same direction, which gives you an inner steadiness others sense at once. What you want and what you need are rarely at war, so you can act without second-guessing your heart, and home life and ambition tend to support each other. Because so little inside you argues, people whose wishes and feelings are divided may puzzle you; curiosity about them keeps you humble.</source>
        <comment>Sun-Moon:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thinking and being are closely joined in you: you speak from who you are, and your ideas carry the weight of your identity. You learn readily, explain yourself with ease and usually know your own mind. The gift has a blind spot, since an opinion can feel like part of you, so criticism of a view may sting as if it were aimed at your person. Learning to hold ideas a little more loosely turns a good mind into a wise one.</source>
        <comment>Sun-Mercury:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind runs a half-step apart from your sense of self, approaching life from a slightly different angle than your core purpose does. This can make you a useful observer of yourself, able to describe your own motives with some detachment. The awkwardness shows when words lag behind intent or race ahead of it; practising saying plainly what you mean, and meaning what you say, closes the gap over time.</source>
        <comment>Sun-Mercury:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charm comes naturally to you, and people tend to like you before they quite know why. You identify with beauty, comfort and good company, and you shine most where life is pleasant and relations are harmonious. Art, style or simple kindness may be central to how you express yourself. The shadow of so much ease is a reluctance to face conflict or drudgery; your grace gains substance when you let it carry real commitments.</source>
        <comment>Sun-Venus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Will and drive work as a team in you, giving abundant energy, courage and a readiness to act on what you believe. You like a challenge and tend to meet it head-on, and physical activity restores you when little else does. Because action comes so easily, you may charge ahead before thinking, or underestimate how forceful you seem to others. Aimed at a worthy goal, this vitality can carry you and the people around you a long way.</source>
        <comment>Sun-Mars:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your sense of purpose are slightly out of step, like a motor tuned to a different speed than the vehicle it powers. You may start things with more or less force than the moment calls for, then have to correct course. Paying attention to timing, and noticing when irritation is really a sign that you want something, gradually teaches you to spend your energy exactly where it counts.</source>
        <comment>Sun-Mars:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimism is part of your constitution: you tend to expect the best, and that expectation often helps bring it about. You are generous and broad-minded, drawn to growth through travel, study or belief, and luck seems to meet you halfway. The risk is overconfidence, whether promising too much, spending too freely, or assuming things will work out without effort. Your faith is a real gift when it is matched by follow-through.</source>
        <comment>Sun-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a serious streak and a natural respect for structure, and you grasped early that things worth having take time. Responsibility suits you, and others trust you to deliver. You build slowly but soundly, and your achievements tend to last and often improve with age. Watch that caution does not harden into rigidity or duty crowd out joy; let yourself enjoy the foundations you so carefully lay.</source>
        <comment>Sun-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are unmistakably your own person, with an original mind and a need to live on your own terms. Ideas others find strange seem obvious to you, and you may be drawn to science, technology or reform. Change rarely frightens you; routine does. Your independence is a gift, though it can make you hard to pin down, so friendships and work thrive when your freedom comes with a measure of reliability.</source>
        <comment>Sun-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a poetic, sensitive nature and an open channel to imagination, music, spirituality or compassion. Your identity is soft at the edges, which lets you feel your way into other lives and other worlds, and artistic or healing work may call to you. Because your boundaries are porous, ground your dreams in practical steps, and remember that you do not have to absorb everyone&apos;s pain to be kind.</source>
        <comment>Sun-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have deep reserves of willpower and a gift for regeneration; when life breaks something, you rebuild it stronger. You are drawn to what lies beneath the surface, whether in psychology, research or crisis work, and people sense your intensity without being told. Power comes easily to you, so use it consciously and resist the urge to control; your strength is greatest when it serves transformation rather than dominance.</source>
        <comment>Sun-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings and thoughts speak to each other easily, so you can put emotions into words and think with sensitivity. You remember details, read moods, and may have a gift for writing, conversation or teaching that reaches people. Because your mind follows your moods, your opinions can shift with how you feel; a moment&apos;s pause before speaking keeps your natural fluency fair and balanced.</source>
        <comment>Moon-Mercury:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind and your heart work from adjacent rooms; they can hear each other through the wall, but not always clearly. You may understand a feeling only after talking or writing about it, or find your thoughts carry an emotional tone you did not notice. Keeping a journal, or simply naming feelings as they arise, gradually strengthens the link between knowing and feeling.</source>
        <comment>Moon-Mercury:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affection comes easily to you, and you bring warmth, grace and comfort into your surroundings. People usually like you, and you have a knack for making them feel at home. Beauty and harmony soothe you, and you may have artistic taste or a gentle gift for relationships. The one risk is wanting to avoid anything unpleasant; the deepest love sometimes needs a difficult conversation, and you are able to have it kindly.</source>
        <comment>Moon-Venus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What comforts you and what you find beautiful are close neighbours but not the same thing, so you may need to fine-tune how you give and receive affection. Sometimes you want closeness and are offered charm, or the reverse. Learning your own emotional preferences, and asking gently for them, steadily refines your relationships and your sense of what truly nourishes you.</source>
        <comment>Moon-Venus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your emotions carry a strong, fiery current, and you act on feelings quickly and with courage. You protect the people you love fiercely and have the energy to fight for home, family and causes close to your heart. Your temper may flare, but it rarely lingers. Because instinct and action join so readily, taking one breath before you react lets you use that vigour wisely.</source>
        <comment>Moon-Mars:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a generous heart and an expansive emotional life, and people feel welcomed and lifted in your presence. Your instincts run optimistic and protective, and help often seems to arrive just when you need it. Home and family can be a source of real abundance. Guard against excess in eating, spending or promising, and your kindness will keep finding its way back to you.</source>
        <comment>Moon-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dreamy quality touches your emotional life lightly, so you sometimes sense things you cannot explain or pick up moods that are not strictly your own. The effect is subtle and easy to dismiss. Paying attention to your dreams, hunches and the way places affect you sharpens this sensitivity into an inner guide you can trust.</source>
        <comment>Moon-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind and your sense of beauty work as one, giving you a graceful, diplomatic way with words and a taste for art, language and pleasant company. You tend to see the best in people and to say it kindly. Writing, design, singing or music may come easily. Your tact is a real gift, though it can tempt you to avoid hard truths; learn to be honest as well as charming and your words will carry weight.</source>
        <comment>Mercury-Venus:conjunction-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have openings to turn charm into skill: a pleasant voice, a feel for words, a talent for negotiation or correspondence that grows the more you use it. Social contacts and creative study can open doors. The gift asks for some practice before it flourishes, but with a little effort your words become a source of pleasure for others and possibly of income for you.</source>
        <comment>Mercury-Venus:sextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is quick, sharp and decisive, and you argue with energy and confidence. You think on your feet, grasp practical problems fast and enjoy a good debate. A feel for tools, machines or strategy may come naturally. The danger is speaking too fast or too bluntly; your words have force, so aim them with care and you will be a persuasive, effective communicator.</source>
        <comment>Mercury-Mars:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You think in large terms and enjoy ideas, philosophy, travel and learning of every kind. You tend to be an optimistic, persuasive speaker, good at seeing the big picture and explaining it to others, and writing, teaching or publishing may suit you. Take care with details, which your enthusiasm tends to skip, and your breadth of vision will serve you well.</source>
        <comment>Mercury-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is careful, organised and thorough, and you think things through before you speak. You learn steadily and keep what you learn, and you may excel at research, planning or any work that demands precision. People trust your word. Guard against pessimism and excess caution; your sound judgement is at its best with a little playfulness mixed in.</source>
        <comment>Mercury-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is quick, inventive and original, often leaping to insights others reach only slowly. You may be drawn to technology, science or any field that rewards new ideas, and conversation with you is lively and full of surprises. Your challenge is patience with slower thinkers and with details; when you slow down enough to explain, your brilliance becomes useful to everyone.</source>
        <comment>Mercury-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is imaginative and intuitive, with a gift for images, stories, music or poetry. You understand things by feeling your way into them and can put subtle impressions into words that move people. The weak spot is vagueness or forgetfulness over practical matters. Writing things down and checking facts lets your inspiration flow without losing its way.</source>
        <comment>Mercury-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your thoughts are tinged with imagination in ways you may not always notice, so facts and impressions can blur at the edges. This gives your mind a soft, intuitive quality that others find appealing. Clear notes, careful listening and a regular creative outlet sharpen that intuition and keep it trustworthy.</source>
        <comment>Mercury-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind is penetrating and perceptive, drawn to mysteries, hidden motives and the deeper layers of any subject. You could make an excellent researcher, investigator or therapist, and your words carry unusual weight. You persuade without raising your voice. Use that influence honestly, and your insight will help many people see what they could not see alone.</source>
        <comment>Mercury-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quiet investigative streak runs through your thinking, making you curious about what goes unsaid. You notice subtext that others miss without always knowing what to do with it. Slowly building the courage to ask probing questions, and the tact to ask them well, refines this into real depth of understanding.</source>
        <comment>Mercury-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You tend to be warm, sociable and generous, and good things often reach you through people: friends who open doors, partners who widen your world, a talent for art or hospitality that others value. You enjoy life&apos;s pleasures without guilt and share them gladly. The shadow is indulgence and a habit of coasting on goodwill. Your generosity is finest when you give it purpose and back it with care.</source>
        <comment>Venus-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love and duty are fused in you. You take relationships seriously, prefer loyalty to flirtation, and show affection through reliability more than grand gestures. Shyness or a sense of being hard to love may have marked your youth, and real contentment in partnership often comes later, or with someone older or more settled. Your affection matures like good wood. Let yourself enjoy pleasure without first feeling you must earn it.</source>
        <comment>Venus-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love and freedom are inseparable for you. You are drawn to unusual people, sudden attractions and partnerships that leave room to breathe, and your taste in art, dress or music is often ahead of its time. Conventional romance can bore you quickly. The more honestly you admit your need for space, the more easily you find partners who share it, and then excitement and closeness stop being rivals.</source>
        <comment>Venus-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You love intensely and loyally, seeking connection that reaches below the surface rather than pleasant company alone. There is a magnetic quality to you, and relationships tend to change both you and the other person profoundly. You may be drawn to art that explores desire, loss or renewal. Be aware of the pull you have on others; used generously it heals and deepens, while used to hold on it suffocates.</source>
        <comment>Venus-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hidden intensity runs under your affections, surfacing now and then as a flash of jealousy or a wish for more depth than a friendship offers. These are quiet signals rather than storms. Listening to them, and saying honestly what you need instead of waiting to be guessed, gradually deepens both your relationships and your sense of your own worth.</source>
        <comment>Venus-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy and enthusiasm come to you in generous supply. You like sport, adventure and big projects, you recover quickly from setbacks, and your confidence tends to draw others in. Action taken in good faith seems to carry you further than expected. The one trap is overestimating your stamina or your luck; pacing yourself keeps this buoyant drive available for the long run.</source>
        <comment>Mars-Jupiter:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hope and realism work together in you, a blend that suits anything meant to last, whether a career, an institution or a family. You know when to expand and when to consolidate, and your plans tend to be both ambitious and sound. Since this contact is shared by people born within months of you, it speaks most personally through the houses it occupies. Trust your balance of faith and prudence; it brings steady success.</source>
        <comment>Jupiter-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of opportunity and your sense of limitation are close neighbours that keep adjusting to each other. You may hesitate a beat too long, or leap a beat too soon. Shared with others born around the same time, this quiet contact asks for regular fine-tuning between risk and caution, and repays it with practical wisdom about timing.</source>
        <comment>Jupiter-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a knack for lucky breaks, sudden openings and original ideas that lead somewhere. Freedom and growth go hand in hand for you, and travel, invention or unconventional beliefs may widen your world. This contact is shared by those born within months of you, so it shows most clearly through its houses and any link to your personal planets. Stay curious, and fortune often surprises you.</source>
        <comment>Jupiter-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a generous, idealistic and spiritual nature, with a vivid imagination and deep compassion. Religion, art, music, healing or charity may draw you, and you tend to believe in people. The aspect is shared by those born in the same season, so its personal weight comes through houses and links to your inner planets. Your faith is a gift; give it some practical grounding so dreams can become reality.</source>
        <comment>Jupiter-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambition and depth reinforce each other in you, giving a capacity to gain influence, resources or expertise through persistent, focused effort. You grasp how systems work beneath the surface and can help transform them. Because people born within months of you share this contact, it matters most through its houses and inner-planet links. Use your influence ethically and it can change the world around you.</source>
        <comment>Jupiter-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyone born from roughly the late 1980s through the 1990s shares this rare fusion of freedom and imagination, which returns only about every 170 years. It marks a generation shaped by digital worlds, virtual connection and a blurring of the real and the imagined. In your own chart it matters through its house and any links to personal planets, showing where you can dream up new forms for society and spirit.</source>
        <comment>Uranus-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by your entire generation, this easy link between innovation and imagination lends a natural openness to new spiritual ideas, artistic experiment and technologies that widen awareness. On its own it is background climate. It becomes personal through its houses and wherever it contacts your inner planets, showing where intuition and originality work together for you without strain.</source>
        <comment>Uranus-Neptune:sextile-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This easy contact between freedom and transformation belongs to your entire generation, lending a talent for constructive reform and for technological or psychological innovation. On its own it describes a collective climate rather than a personal trait. Through its houses and any links to your inner planets, it shows where you can bring about deep change with comparatively little resistance.</source>
        <comment>Uranus-Pluto:sextile-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This extremely rare conjunction, occurring roughly every 500 years and last formed in the early 1890s, belongs to an entire era rather than a single generation. It marks the seeding of a new cycle of collective imagination and transformation. For you as an individual it counts only where it falls by house or meets a personal planet; there you may sense deep undercurrents of change in belief and vision.</source>
        <comment>Neptune-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This long, harmonious contact between imagination and deep transformation is shared by whole generations, so it says more about the age you were born into than about you alone. It suggests a collective capacity for spiritual renewal and healing. It becomes personal through houses and any contact to your inner planets, where insight, compassion and the power to regenerate may come to you naturally.</source>
        <comment>Neptune-Pluto:sextile-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The purpose you are growing into and the habits you fall back on sit in neighbouring signs, close but not quite matched. Day to day this shows as a mismatch between what you set out to do and what you feel like doing, an itch rather than a crisis. Honest check-ins with yourself, asking what you need before deciding what you want, build a practical self-knowledge that few people bother to acquire.</source>
        <comment>Sun-Moon:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you value sits just beside who you are, so pleasure and purpose need some translation before they meet. You may notice that the things you enjoy and the life you are building do not obviously connect. With attention, everyday choices, such as bringing beauty into your workplace or warmth into your daily effort, let love and identity grow into one another.</source>
        <comment>Sun-Venus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hopes and your identity run on parallel tracks that do not quite touch, so opportunities tend to appear off to one side of your main path. You may have to stretch to notice them, or to believe they are meant for you. A habit of saying yes to the unfamiliar, and of learning from each step, widens your world and your confidence together.</source>
        <comment>Sun-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sense of obligation trails your self-expression, as though you need permission before fully shining. It is not heavy, but it keeps asking whether your efforts are sound. Over time this becomes a useful discipline: regular commitments that mature into competence, and an ability to take yourself seriously without losing your warmth.</source>
        <comment>Sun-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A streak of unpredictability runs alongside your steadier purpose, showing up as surprises: a sudden change of plan, an unexpected interest, an odd solution that works. You may not always know what to do with these impulses. Giving them a regular outlet, such as an experimental hobby or a role that rewards fresh thinking, lets your originality grow without unsettling the rest of your life.</source>
        <comment>Sun-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your dreams sit close to your sense of self without quite merging, so you catch glimpses of ideals you are not yet sure how to live. At times you are unsure of your direction, with a feeling of drifting. A regular creative or contemplative practice, kept simple and consistent, gives those glimpses a shape and clarifies, year by year, what you really want.</source>
        <comment>Sun-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beneath your everyday self runs an intensity you may only notice under pressure. Recurring crises ask you to shed an old role or attitude, and each time you do, you grow more substantial. Paying attention to what you cling to, and why, gives you a steady, unforced kind of power.</source>
        <comment>Sun-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings and your impulses are out of step, so irritation can rise from needs you have not yet named. You may snap when you are really tired, hungry or longing for care. Noticing the first stirrings of annoyance and asking what you need puts that energy to use, and makes you both gentler and more effective.</source>
        <comment>Moon-Mars:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your need for security and your hunger for growth sit side by side, each nudging the other. You may feel restless when life is too comfortable and uneasy when it expands too fast. Experiments such as opening your home to new people or taking short trips stretch your comfort zone at a pace you can sustain, and let your generosity grow with it.</source>
        <comment>Moon-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeling and duty are closely joined in you. You tend to be emotionally steady, practical and dependable, taking your responsibilities to family and home seriously, and others lean on you in hard moments. The same bond can make feelings seem a burden to be managed, and you may have learned early to keep your needs to yourself. Letting people care for you, rather than only caring for them, softens that reserve and deepens your strength.</source>
        <comment>Moon-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A reserve colours your emotional life, as though you check whether a feeling is allowed before letting it show. The caution can be useful, giving you composure under pressure, though it may also keep people at arm&apos;s length. Allowing moments of vulnerability with people you trust teaches you that security and openness can live in the same house.</source>
        <comment>Moon-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need emotional freedom and thrive on variety and surprise. Your instincts are quick and sometimes startlingly accurate, your moods can change abruptly, and you may have an unconventional home life or an unusual bond with your mother. You bring a spark into people&apos;s lives. Because you value space so highly, those close to you may need reassurance that your independence is not indifference.</source>
        <comment>Moon-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restlessness stirs beneath your emotional routines, making you occasionally want to shake up your home, your habits or your closest ties. The urges rarely amount to upheaval, but they persist. Honouring them in manageable ways, by rearranging a room, trying a new ritual or taking time alone, keeps your inner life fresh without unsettling the people you care about.</source>
        <comment>Moon-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undercurrents move through your feelings, and you may sense the emotional truth of a situation before anyone speaks it. Acts of letting go are asked of you again and again: old habits, grudges, attachments. Each one you release leaves you lighter and more perceptive, and over the years this becomes a steady emotional wisdom.</source>
        <comment>Moon-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your thinking and your taste are near neighbours, so occasionally what sounds right does not feel right, or a feeling you love will not come out in words. Adjustments of tone, such as softening a blunt remark or making a vague compliment specific, gradually refine both your speech and your relationships.</source>
        <comment>Mercury-Venus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your thoughts and your actions are a touch out of sync, so you may act before thinking, or think of the perfect reply long after the moment has passed. An edge can creep into how you speak when you feel rushed. Practising short pauses, and matching your words to your deeds, sharpens both your judgement and your timing.</source>
        <comment>Mercury-Mars:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your practical mind and your wider beliefs are close neighbours that do not always talk to each other. You might gather facts without seeing their meaning, or hold big ideas without the details to back them. Daily efforts to connect the two, such as reading widely and noting what each thing taught you, build a mind both informed and wise.</source>
        <comment>Mercury-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A self-consciousness accompanies your thinking, so you tend to check your words or doubt your ideas before sharing them. This can slow you down, but it also breeds precision. Regular practice, whether writing, studying or speaking up in groups you trust, gives you a measured authority and the confidence to use it.</source>
        <comment>Mercury-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flashes of unusual insight sometimes interrupt your ordinary thinking, and you may not know at once how to use them. You can feel out of step with how others reason. Keeping a notebook for sudden ideas, and testing them calmly later, develops this into a distinctive and dependable originality.</source>
        <comment>Mercury-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desire and affection are closely linked in you, so you can want someone and like them at the same time, which is rarer than it sounds. You have warmth, physical charm and a strong appetite for life, and your creative work often carries a sensual, energetic quality. Attraction can run hot, at times impatient or hard to contain. Your magnetism means most when you put it behind a bond you choose to keep.</source>
        <comment>Venus-Mars:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What draws you and what you actually enjoy once you have it are close cousins, not twins. You may pursue someone and then find you wanted gentleness more than conquest, or wait politely when a bolder move was called for. Paying attention to these misfires, and adjusting pace and approach in love, gives you a well-timed, grown-up kind of passion.</source>
        <comment>Venus-Mars:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your appetite for pleasure and your wish to grow sit side by side, each tugging at the other. One month you may spend too freely on comfort, the next hold back from a generosity that would have been wise. Noticing these swings without judgement, and asking whether a pleasure actually enlarges your life, teaches you a relaxed and gracious kind of abundance.</source>
        <comment>Venus-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caution tempers your affections; you like to be sure of someone before you let them matter. This reserve often protects you from hasty choices, though it can make you seem cooler than you feel. Offering trust in deliberate steps, and noticing when prudence has quietly become fear, helps you build relationships that are both safe and warm.</source>
        <comment>Venus-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A flicker of the unexpected runs through your affections: sudden likes, unexplained dislikes, a taste for the offbeat. You may need more room in love than you usually admit. Saying so openly, and building surprises and shared novelties into your relationships, keeps them fresh without turning them upside down.</source>
        <comment>Venus-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romantic ideals shimmer behind your affections, so you may expect more magic from love than daily life supplies. The gap is steady, a low hum of longing. Letting art, music and beauty carry part of that longing, while appreciating real people as they are, brings your ideals and your relationships closer each year.</source>
        <comment>Venus-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your convictions are out of tune, so you may pour effort into the wrong goal or lose steam once the aim grows vague; the mismatch is often noticed only in hindsight. Checking now and then that what you are doing serves what you believe in gives your enthusiasm a steady aim.</source>
        <comment>Mars-Jupiter:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive and restraint are closely bound in you. At best they cooperate, so you can work hard, long and steadily, and do well at tasks that need stamina, skill or careful timing, from craftsmanship to engineering to endurance sport. You may also feel blocked at times, as if your energy must pass a strict inspector before it may move. Respecting that caution without letting it harden into harshness, toward yourself or others, makes your strength last.</source>
        <comment>Mars-Saturn:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checks keep meeting your impulses, as if something inside asks you to wait and plan before you move. It can feel like driving with the handbrake half on, and it may irritate you. Learning to pace yourself, and to use the pause rather than fight it, gives you remarkable precision and an energy that lasts.</source>
        <comment>Mars-Saturn:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now and then a sudden impulse cuts across your plans: an urge to quit, to change direction, to try something wildly different. These jolts rarely upend your life, but they are real, and they can leave you restless. Noticing them, and giving them a safe channel such as experiment, movement or a side project, makes you more adventurous without making you reckless.</source>
        <comment>Mars-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your energy is moved by ideals, compassion or imagination, and you act most wholeheartedly for causes or creative visions larger than yourself. Dance, music, film, swimming and caring work may suit you. The same link can blur your drive, so energy may ebb without clear reason or go to causes that prove less than they seemed. Anchoring your dreams in concrete goals, and resting when you need to, lets your gentle strength go far.</source>
        <comment>Mars-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive is sometimes softened or scattered by a dreamy undertow, so you may start with conviction and then lose sight of what you wanted. Mostly it is a matter of focus and fluctuating energy. Writing your aims down step by step, and guarding your rest, brings inspiration and action into step.</source>
        <comment>Mars-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have great reserves of willpower and stamina, and you can keep going long after others have quit. Your energy is focused and intense, and you may be drawn to demanding fields such as surgery, research, rescue work or competitive sport; you come into your own in a crisis. Such force can turn ruthless when you feel cornered, so use it consciously, and it will bring remarkable achievements.</source>
        <comment>Mars-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An undercurrent of intensity fuels your actions, surfacing now and then as stubbornness or an urge to win every contest, however trivial. It is a pressure that is easy to overlook. Noticing when you are driven rather than choosing, and redirecting that force on purpose, develops a deep and steady determination.</source>
        <comment>Mars-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected openings appear at the edges of your life, and you need to pay attention to catch them. This contact, common to your whole age cohort, rewards curiosity and a willingness to experiment with your beliefs and plans. Over time those experiments add up to a broader and more independent outlook.</source>
        <comment>Jupiter-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An idealism colours your hopes, so you may sometimes expect more from life or people than they can give. Shared by your age cohort, this contact asks for repeated adjustments between faith and fact, and repays them with a mature, compassionate outlook that is neither naive nor cynical.</source>
        <comment>Jupiter-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quiet urge for deeper growth runs through your ambitions, encouraging you to look beneath surfaces before committing. Shared with your age cohort, this contact develops through attention to how you use influence and resources, and rewards that attention with a steady, well-founded sense of purpose.</source>
        <comment>Jupiter-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by people born within a year or so of you, this contact links the wish to preserve with the urge to renew. In daily life it may show as a tension between routine and restlessness, security and experiment. Where it touches your personal planets, regular updates to your habits and structures keep you from either stagnating or tearing everything down.</source>
        <comment>Saturn-Uranus:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Like most contacts between the slow planets, this one belongs to your whole age group more than to you alone, and the link between realism and idealism it describes rarely makes itself felt. It may show as unease when life becomes too practical or too dreamy. Where it touches your own planets, taking concrete steps toward an inspiring aim, and letting some mystery into your duties, strengthens both sides over time.</source>
        <comment>Saturn-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by everyone born over several years around you, this link between the urge for change and the longing for the ideal rarely tells a personal story on its own. Where it touches your own inner planets, it asks for practical ways of turning inspiration into innovation, and rewards you with a quietly visionary outlook.</source>
        <comment>Uranus-Neptune:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by everyone born within several years of you, this link between sudden change and deep transformation rarely speaks on its own. Where it touches your personal planets, it may appear as periodic urges to overhaul some corner of your life. Attending to them consciously, rather than waiting for a crisis to force the issue, lets you grow through steady renewal.</source>
        <comment>Uranus-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This rare opposition belongs to those born from 1901 to about 1905 and again from the early 2040s on, and speaks of a collective confrontation between the push for freedom and entrenched power. Those born under it face a world where revolution meets resistance. Where it touches your personal planets, these forces tend to reach you through other people, who act out what you have not yet claimed. Seeking balance lets that conflict become transformation.</source>
        <comment>Uranus-Pluto:opposition</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This link between imagination and transformation belongs to everyone born from about 1914 to 1919, a generation that arrived amid war and pandemic, so it is collective background rather than personal story. Where it touches your own planets, shifts in your ideals and deepest values may ask for conscious adjustment, gradually deepening your spiritual outlook.</source>
        <comment>Neptune-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Being yourself and being liked pull against each other. Where the clash is open, you give way to keep the peace and resent it later, or a partner holds all the charm while you carry all the effort. Where it runs inward, you keep polishing how you come across, checking each outfit, message and smile for approval. Your warmth grows convincing once you please yourself first and let others like what they find.</source>
        <comment>Sun-Venus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shining and being judged arrive together for you, as if every effort were marked by an examiner in the back row. Bosses, officials and older people can bar the way as the outward face of that examiner. The inner version is a nagging rule that nothing is good enough to show yet. Slow, well-made work answers both, and the authority you build step by step is one you no longer wait for others to grant.</source>
        <comment>Sun-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your outline blurs easily: you become whoever the room expects and then wonder where you went. Others may deceive you, or hand you a dream that is really theirs, and disappointment follows. In quieter moments you may want to vanish a little, into fantasy, screens or self-sacrifice, whenever your real self feels too plain. Promises kept, honest friends and an art you practise give your vision firm edges.</source>
        <comment>Sun-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You hold your ground as if everything depended on it, and power tends to become the hidden subject of your relationships. Authorities, partners or rivals can meet you head-on, each testing who gives way first, and some of them wield a strength you have not yet claimed as your own. Alone, you may guard against being known, hunting out every weakness before anyone else can find it. Letting one trusted person see you whole gives you an authority no one can take.</source>
        <comment>Sun-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your moods change as fast as mountain weather: close one day, needing air the next. Early home life may have been unsettled, and partners can keep their distance as if acting out your wish for space, or crowd you just when you need it most. Deep down there can be a reflex to leave before you are left. Closeness that includes freedom, with people who do not take your need for air as rejection, lets you stay when feelings run high.</source>
        <comment>Moon-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your emotional sensitivity is profound: you absorb atmospheres, feel others&apos; pain and respond with deep compassion. Imagination, music, dreams and spiritual life nourish you. Being so porous has a price: you may come home carrying a stranger&apos;s sadness, say yes to every plea for help, or drift into daydreams while a bill or a hard talk waits. Time alone and clear boundaries keep your empathy a healing presence.</source>
        <comment>Moon-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your emotions run deep and strong, and you feel things with an intensity others may never see. You have a gift for emotional healing, your own and other people&apos;s, and can face a crisis with unusual courage. The same depth has a shadow: you may nurse a grudge for years, test a partner&apos;s loyalty in silence, or feel jealous long before you admit that you care. Let your strength include trust; you do not need to control every feeling for it to be safe.</source>
        <comment>Moon-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your words come out with an edge, and a discussion can become a contest before you notice. Opponents may say, rudely, exactly what you were thinking, and deadlines and quarrels tend to arrive together. The argument can go on in your head after everyone has left, as you sharpen the reply you did not make. Listening to the end before answering gives you a mind for debate and problem-solving that is hard to beat.</source>
        <comment>Mercury-Mars:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In love and pleasure more always looks better, so the bill, the plate or the hopes placed on a partner grow larger than anyone can meet. Lavish friends can mirror your excess back to you, and disappointment follows when real life is smaller than the dream. When a day feels thin, you may reach for one more treat almost without noticing. Once you find that enough can be a feast, your large heart and good taste serve you well.</source>
        <comment>Venus-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your affections have a cool, clear-headed streak, so love rests on friendship and respect as much as on feeling. You want a bond with a shape you can rely on and room to be yourself inside it, and your taste in beauty is distinctly your own. Partners tend to find you loyal without being possessive. Like every easy gift, this one needs using: it serves you best when you choose your bonds deliberately rather than let them drift.</source>
        <comment>Venus-Saturn-Uranus:sextile-trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can fall in love with a person&apos;s potential, rescue someone who never asked, or give until your own cupboard is bare. Partners may embody your ideal until the dream dissolves, and money can slip through loose boundaries. Longing can become a habit of its own, always for the one who is not here. Your compassion and artistic feeling are rare; seeing people clearly lets your devotion be received.</source>
        <comment>Venus-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every time you push, something pushes back. A harsh authority may have shaped your first lessons in effort, and bosses, rules or slow paperwork can still block the road. Anger may be held in until it sets hard, then let out all at once. This friction forges exceptional endurance; steady, structured work and honest outlets for frustration build a mastery that lasts.</source>
        <comment>Mars-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You act with daring and originality, quick to seize a new opportunity or a new method. Routine bores you but an emergency wakes you up, and you often do your best work in sudden bursts. The shadow is impatience: you may quit a job on the spot, take the risky shortcut, or drop a project the moment it turns dull. Your inventive courage is a gift, as long as you leave a margin of safety for yourself and those around you.</source>
        <comment>Mars-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freedom and luck tempt you toward the sudden leap: the job quit on a hunch, the move across the world, the scheme that promises everything at once. Reversals of fortune and restless companions can come with it. An itch to reinvent your beliefs may return whenever they settle. Shared by many people born in the same year, this restlessness takes its personal shape from your houses; testing new ideas before leaping lets your originality pay.</source>
        <comment>Jupiter-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dreams and discipline work together in this contact, which you share with your age group. At its best it lets a generation build ideals into lasting forms, such as hospitals, charities or films. Its harder side is doubt: a structure you trusted can lose its meaning, and a hope has to prove itself in practice before you lean on it. Where it links to your personal planets, you may give imagination a practical shape and serve others with patience and realism.</source>
        <comment>Saturn-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reality and ideals strain against each other in this aspect, a mark of your age group, whose formative years may have seen dreams dissolve or institutions quietly erode. Where it touches your personal planets, others may play the dreamer or the cynic for you, or you may carry a private unease that nothing solid will last. Patient effort to give one vision real form shows you that faith and realism can work together.</source>
        <comment>Saturn-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This aspect, shared by everyone born over a span of years around you, reflects a generation caught between radical change and spiritual longing, between the protest march and the retreat from the world. Where it touches your personal planets, you may feel torn between freedom and surrender, or meet one side of the conflict in the people and causes you are drawn to. Letting each side temper the other gives you a rare, grounded idealism.</source>
        <comment>Uranus-Neptune:square-opposition</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common to your whole age group, this uneasy contact pairs the urge to break free with the urge to dissolve into something greater, two drives with little natural understanding of each other. Where it touches your personal planets, it works inwardly, as a restless search: a new cause or practice taken up with fervour, then dropped when it fails to change everything. Seeing the pattern lets you choose one vision and give it time.</source>
        <comment>Uranus-Neptune:quincunx</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most people born between September 1961 and August 1970 share this fusion of revolution and transformation, which returns only after more than a century. Your generation arrived amid upheaval and carries an instinct for radical change, from technology to social and sexual norms. On its own it describes the times; its house and any contacts to your inner planets show where you personally are called to break and remake the old.</source>
        <comment>Uranus-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heavy pressures mark this aspect, which your generation shares: many born in these years arrive amid hardship, rigid authority or the collapse of established orders. Where it touches your personal planets, you may meet in others the control you hold back, or carry an inner need to brace for the worst before it comes. Yet few aspects build such strength. Facing fear directly and owning your power let endurance become lasting achievement.</source>
        <comment>Saturn-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will and your needs keep different clocks: what you aim for and what soothes you rarely agree on the same evening. Out in the open the quarrel is often with a partner or parent who wants the quiet life you keep postponing, or the ambition you hold back. Turned inward, the quarrel can become a habit of never resting, as if comfort had to be earned again. Peace comes from plans that feed both: goals with room for home, and a home with room for goals.</source>
        <comment>Sun-Moon:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your words and your purpose keep missing each other: you explain yourself and hear the explanation come out wrong, or argue for a view you do not really hold. Other people tend to pick holes in your reasoning just where you are least sure. Inside, the loop is rehearsal: conversations replayed late at night, a message drafted five times. Saying the simple version first, and letting it stand, lets your mind speak for you instead of auditing you.</source>
        <comment>Sun-Mercury:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will runs hot and pushes before it asks. In the open this means collisions: the rival at work, the neighbour over the fence, arguments you never planned to start, often with people who show the very force you deny in yourself. With no outlet, the heat can turn into a drive you cannot switch off, proving yourself in every queue and every game. Sport, hard physical work and anger spoken early and plainly give this fire a clean hearth.</source>
        <comment>Sun-Mars:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of self keeps outgrowing its clothes: the plan gets bigger than the week, the promise bigger than the purse. Teachers, authorities and confident strangers make natural sparring partners, each claiming a larger truth than yours. Privately the pull is toward more: one more course, one more project, a restless feeling that real life starts after the next step. Faith pays off when you measure it against what you can finish this year.</source>
        <comment>Sun-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You want to become someone and to stay free of any fixed self, so plans can break off just as they settle. In the open this brings sudden exits, clashes with anyone who rules by decree, and companions who rebel so loudly that your own urge looks tame. Kept inside, the same urge can run as a compulsion to rearrange your life whenever it feels finished. Independence ripens when you stay with something long enough to change it from inside.</source>
        <comment>Sun-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head and heart keep interrupting each other: you explain a feeling away, or a mood steers a decision it should not touch. People close to you can argue the other side, cool when you are hurt or hurt when you are cool. Worry likes to narrate, running the same story in circles until it sounds like fact. Writing a feeling down before you talk it over lets the two halves finally hear each other.</source>
        <comment>Moon-Mercury:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What comforts you and what charms you are different things, so you may love what does not nourish you and be nourished by what bores you. Relationships can carry the split: a partner who delights but never quite looks after you, or one who looks after you and never delights. Left alone, the gap can become a habit of buying something pretty whenever you feel unloved. Learning what truly feeds you lets affection and contentment share one table.</source>
        <comment>Moon-Venus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hurt becomes heat quickly in you, and you may strike before you know what you feel. Family rows, a temper met again in the people who provoke you, doors slammed and regretted: often the clash is out in the open. At other times anger smoulders inside, a grievance rehearsed long after the moment has passed. Saying early and plainly that something hurt, without a weapon in the sentence, lets your quickness protect the people you love instead of wounding them.</source>
        <comment>Moon-Mars:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings run large, and enough rarely feels like enough: one more helping, one more guest, one more promise. You can attract people whose needs dwarf your own, or clash with those who call your generosity excess. There can also be a quiet compulsion to provide, to fill every silence with giving. Finding your own measure lets a big heart warm the room instead of flooding it.</source>
        <comment>Moon-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feeling and duty sit in the same chair, and duty usually wins. You may have learned early that your needs were a burden, and partners or family can appear cold just where you hold back warmth yourself. Within, the strain can run as a strict habit of self-sufficiency: coping alone, tidying emotion away, refusing help before it is offered. Letting yourself be looked after, in small ways first, makes your great reliability warm as well as strong.</source>
        <comment>Moon-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your emotional skin is thin, and other people&apos;s moods pass through it as if they were your own. You may idealise someone and feel betrayed when they turn out human, or be drawn to those who need saving. In private there can be a pull to withdraw, into music, old films or a long retreat from whatever feels harsh. Caring without merging, and knowing which feelings are yours, makes your sensitivity a steady compassion.</source>
        <comment>Moon-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings go all the way down, and attachment can feel like a matter of survival. Your bond with your mother or family may have been intense or marked by upheaval. In adult love, power can slip in as jealousy, silent tests of loyalty, or a partner who voices the feelings you bury. An old hurt can keep replaying, dug up again each time it starts to heal. Honest work with what you feel releases a deep, healing strength.</source>
        <comment>Moon-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind and your tastes argue quietly: you say what pleases rather than what you mean, or cannot explain why you like what you like. Talk of love or money can turn awkward, and blunt people may say aloud what you only hint at. On your own you may polish a compliment or an apology until it says nothing at all. Choosing honesty first and charm second gives your words a grace that is also true.</source>
        <comment>Mercury-Venus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can take in more ideas than you can digest and promise more than the calendar allows. You may clash with preachers of every kind, and with know-alls who remind you of yourself, while details slip as you argue the big picture. The private hunger is for the next book, the next course, the answer that will explain everything. Checking one belief at a time against the facts gives your generous mind an accuracy to match its reach.</source>
        <comment>Mercury-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may have felt early on that you were not clever enough, or that nobody was listening. Critics and examiners can voice your own inner judge, and under pressure your views may harden into a defensive no. That judge seldom rests: every sentence is weighed before it is spoken, every slip remembered. Yet the same mind has rare concentration, and knowledge earned the hard way lends you a quiet authority.</source>
        <comment>Mercury-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind moves in sparks, and sometimes the sparks land on other people. You can be contrary for its own sake, meet people just as contrary, or blurt out a truth that was not yours to tell. Your thoughts can race ahead of you, jumping from plan to plan without finishing any. A steady routine, and real curiosity about views you did not think of first, let your inventiveness reach others.</source>
        <comment>Mercury-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Facts and feelings blur in your thinking, so a clear message can arrive cloudy and a vague promise can sound like a plan. Persuasive people may mislead you, or you may mislead others without meaning to. Left to itself the mind drifts, filling gaps with what you wish were true and putting off the letter you dread opening. Checking facts, asking plain questions and giving your fantasies a creative home make your intuition something others can trust.</source>
        <comment>Mercury-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your mind goes looking for what is hidden and rarely stops at the surface. Conversations can become contests over who knows more, and you may suspect others of manipulation, sometimes rightly, sometimes when it is your own wish to steer the talk. A single thought can grip you until you have turned it over a hundred times. Honest speech, and a readiness to be changed by what you learn, put this depth to good use.</source>
        <comment>Mercury-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attraction arrives with friction: you are drawn to people you argue with, and closeness can feel like a contest of wills. In a couple one of you may do all the pursuing and the other all the tending, and the roles can swap without warning. Beneath it can run a compulsive pattern of chasing whoever resists and cooling toward whoever is offered. Asking plainly for what you want, and hearing a no without injury, keeps passion alive and kind.</source>
        <comment>Venus-Mars:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love may have felt like something you had to earn. You may hold back affection for fear of rejection, accept a relationship run on duty, or judge your looks and worth harshly; partners can look cold when they echo your own doubts. Somewhere in you a ledger may run nonstop, counting what you give and what you are owed. Hard as it is, this strain teaches what commitment means, and self-worth built slowly from within can draw love that deepens with age.</source>
        <comment>Venus-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love can strike like lightning for you and leave as fast. You may fall for people who are unavailable, far away or unconventional, partners who act out a need for freedom that is really yours. You may want to bolt just as closeness starts to feel real. Telling true independence apart from a fear of being trapped lets you build bonds that are lively, honest and able to survive change.</source>
        <comment>Venus-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have a refined, romantic and compassionate nature, with a strong response to music, film, poetry and anything that lifts ordinary life toward the ideal. Love has a spiritual tinge for you. The shadow is a soft-focus lens: you may overlook a warning sign, lend what you cannot spare, or wait for someone to become the person you imagined. Keep your heart open and your eyes clear, and your devotion can land where it belongs.</source>
        <comment>Venus-Neptune:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love can become all or nothing for you, bringing jealousy, possessiveness or bonds in which power is quietly traded. You may attract partners who hold the intensity you fear in yourself, and an ending can feel like losing part of who you are. In secret, desire can fix on one person and keep circling back long after the bond is over. As you learn that you are worth loving without being needed, passion heals rather than grasps.</source>
        <comment>Venus-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You act big and fast: too many commitments, the risky bet, the cause pursued without hearing the other side. Rules and officials may provoke you, and rivals can match your zeal. You may also feel compelled to go one step further, taking on the extra task no one asked for until you run out of steam. Planning and a sense of limits let your zeal achieve what cautious people only talk about.</source>
        <comment>Mars-Jupiter:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You move on impulse and bristle at any constraint, so quarrels, walkouts and abrupt changes tend to follow you. Headstrong people can cross your path at the worst moment and strike the same spark of impatience in you. The urge to act now can feel irresistible, a restlessness that wants to break something just to feel free. A breath before acting, and rebelling for something rather than against everything, keep your courage useful and the people around you safe.</source>
        <comment>Mars-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asserting yourself directly can feel wrong, so you may act from guilt, confusion or an ideal that turns out to be a mirage. Conflict you avoid may come back sideways, and others can act out the anger you disown. Energy can leak into doubt and second thoughts, or into quiet escapes that leave the real task undone. Naming what you want plainly, within clear limits, gives your compassion and imagination a direction.</source>
        <comment>Mars-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will is formidable and can turn ruthless under pressure. Power struggles, explosive anger or risky situations can mark your path, and forceful people may challenge you where you hold your own strength back. At its most private, the drive can become a compulsion to win at any cost, to go on fighting long after the fight is over. Choosing your battles, and acting with open eyes, let this force rebuild rather than destroy.</source>
        <comment>Mars-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hope and caution take turns at the wheel: big plans, then sudden clamp-downs, and colleagues who are all caution or all hope. Careers can move in stop-start phases. In private you may second-guess each step, unable either to commit to a risk or to let it go. Many people born within the same year or so share this tension; your houses and personal planets show where it bites. Growth in steady stages gives you a fine sense of timing.</source>
        <comment>Jupiter-Saturn:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faith can outrun fact: you may over-promise, trust a charming guru, or back a plan because it sounds beautiful. Prophets and salespeople can find in you an eager listener when they echo your own longing. Hope can also become a compulsion to believe, a way of looking away from the numbers. Many of your contemporaries share this tension; your houses and personal planets show where it plays out. Practical checks let your vision inspire rather than mislead.</source>
        <comment>Jupiter-Neptune:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambition can swell until it wants all or nothing: power struggles with authorities, success pursued relentlessly, convictions held without a doubt. Powerful people may stand in your way as if they carried your own hunger for influence. Underneath runs a drive to control the outcome, never satisfied with enough. This drive is common to many born around your year and becomes personal through your houses; ethics and humility give it lasting, constructive force.</source>
        <comment>Jupiter-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This contact, shared by many born within a year or two of you, links the wish to preserve with the urge to renew. It can give a practical inventiveness and a talent for reforming institutions from within. The link is not always comfortable: you may defend a custom you no longer believe in, or push a reform before anyone is ready for it. Where it touches your personal planets, you can be both innovator and the one who makes things last.</source>
        <comment>Saturn-Uranus:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old and new collide in this aspect, which you share with many born within a year or two of you; your generation is marked by a pull between tradition and reform. Where it touches your personal planets, you may meet the conflict in people who defend every rule or break every one, or live it as a private seesaw: clinging to routine, then tearing it up. The growth lies in becoming a bridge, changing things deliberately and letting structures evolve.</source>
        <comment>Saturn-Uranus:tense</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared by your whole age group, this contact links structure with the power to tear down and rebuild. It lends endurance, deep concentration and a talent for restoring what has broken. It can also weigh on you: duty can feel like a load carried alone, and power is something you approach sternly and guard closely. Where it touches your personal planets, you may find great staying power in a crisis and an aptitude for long, serious undertakings.</source>
        <comment>Saturn-Pluto:flowing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many people born within a few months of you share this aspect, a thread between structure and deep change. It may surface as a sense that the rules you live by need renewing from time to time. Where it contacts your personal planets, heeding that sense, and letting worn-out commitments go gracefully, builds a durable resilience.</source>
        <comment>Saturn-Pluto:semisextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your generation shares this forceful tension between the urge for freedom and the pressure of deep transformation. Many born from 1929 to 1937 or from 2007 to 2019 have it, and nearly all born from 1931 to 1935 or from 2010 to 2016. It speaks of crisis and the need to reshape society. Where it touches your inner planets, you may feel driven to break structures or meet sudden change; worked through consciously, it can make you an agent of renewal.</source>
        <comment>Uranus-Pluto:square</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your whole age group carries this strained link between change and transformation, and with it a sense of being driven by forces no one fully understands. Where it touches your personal planets, upheaval tends to work from within rather than head-on: an urge to overhaul your life that returns whenever things grow settled, like an itch you cannot reach. Knowing the urge for what it is lets you renew one corner at a time.</source>
        <comment>Uranus-Pluto:quincunx</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This rare tension between ideals and transforming power is shared by everyone born across several decades. It speaks of a collective struggle between dream and disillusion, faith and upheaval, often lived out between groups that each see the other as the threat. It becomes personal only where it touches your personal planets or a house. There it may bring a loss of belief, a slow inner reckoning and a rebirth, and teach you to hold vision and reality together.</source>
        <comment>Neptune-Pluto:tense</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreReadings</name>
    <message>
        <source>The Sun comes back to the place it held at your birth: your birthday season, a few days when the year turns over for you alone. A good time to ask what the next twelve months should be about, and to let yourself be celebrated without waving it away.</source>
        <comment>transit:Sun-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun gives your own purpose a tailwind: plans made around your birthday find their footing, and being yourself costs little effort. A stretch like this is easily spent on nothing in particular; name one aim and give it the light while it lasts.</source>
        <comment>transit:Sun-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A checkpoint in your solar year: for these days the Sun presses on the purpose you set out with at your birthday, and what you meant to do rubs against what you are doing. The rub is useful, since it shows which aims still deserve your effort before the year moves on.</source>
        <comment>transit:Sun-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun lights up your Moon, and what you need is in plain view: the wish for a quiet evening at home, or for a familiar voice, is hard to ignore. Use the time to tend your household and your moods openly; feelings shown now are also felt more keenly.</source>
        <comment>transit:Sun-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, the Sun warms your Moon, and what you want and what comforts you tend to agree. Home and family are easy to attend to, a few good days for a shared meal or the call long owed. Comfort this easy can push the harder errand to next week; do that one too.</source>
        <comment>transit:Sun-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun pulls at your Moon: the demands of the day and the needs of home compete for the same evening, and moods run close to the surface. The strain points to the part of your routine that has stopped feeding you, and a change made now can ease the month.</source>
        <comment>transit:Sun-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun crosses your Mercury, and your thinking gets a spotlight: ideas come clearly, you speak up, and people tend to listen. It favours writing, pitching or settling an open question. The same glare can make you sure you are right; hear one doubter out before you press send.</source>
        <comment>transit:Sun-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun brightens your Mercury, and words line up with intent: letters, interviews and study run more smoothly than usual. The fluency can slide into chatter, so point it at the conversation you have been putting off.</source>
        <comment>transit:Sun-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Sun presses on your Mercury, purpose and reasoning argue: a diary crammed with errands, an opinion you defend harder than it needs. The argument sharpens thought; use these days to check a plan&apos;s details before you commit to it.</source>
        <comment>transit:Sun-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun shines on your Venus: affection, pleasure and taste come forward, and people feel warmer and you more generous. Buy the flowers, mend the friendship, accept the invitation. Keep an eye on the urge to please everyone at once.</source>
        <comment>transit:Sun-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, the Sun lends your Venus an easy glow: invitations, compliments and good company arrive more readily, and beauty is worth making time for. The week can drift into pleasant idleness; let it carry at least one gesture of real care.</source>
        <comment>transit:Sun-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, the Sun rubs against your Venus: what you want for yourself and what keeps the peace pull apart, over a plan with a partner or a tempting purchase. The tension shows what you value, and a clearer yes or no leaves your bonds more honest.</source>
        <comment>transit:Sun-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the days the Sun spends on your Mars, drive runs high: start the hard task, enter the contest, say what you have held back. Impatience rises with it, and a short fuse in traffic or a meeting is possible; give the heat a job before it finds one.</source>
        <comment>transit:Sun-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over the next few days the Sun feeds your Mars, and effort pays: the garden gets dug, the overdue report gets written, and courage comes without much forcing. The ease can tempt you to take on everything at once; pick the task that counts.</source>
        <comment>transit:Sun-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Sun presses on your Mars, friction comes quicker: a colleague who blocks the way, a temper that flares over a parking space. The heat has a use, since it shows where you have been holding back, and effort aimed at one clear goal now goes a long way.</source>
        <comment>transit:Sun-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around the day the Sun reaches your Jupiter, hope comes easily: plans look bigger, people more generous, and a yes is easier to find. It favours asking, teaching and widening a horizon. Promises made in this glow can outgrow your diary; check what you agree to.</source>
        <comment>transit:Sun-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, the Sun warms your Jupiter and openings have an easy feel: a helpful contact, a course that draws you, a trip worth booking. Luck this comfortable is easily taken for granted, so walk through one open door rather than admiring them all.</source>
        <comment>transit:Sun-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, the Sun strains against your Jupiter: appetite outruns measure, and you may promise or expect more than the week holds. The pull is also a prompt to ask which hopes are worth the effort, and to give those the room.</source>
        <comment>transit:Sun-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the Sun crosses your Saturn, the days ask for seriousness: duties come into focus, and effort can feel heavy or unthanked. It is a time to finish, to tidy, to show what you can do against a deadline. What you build under this weight tends to hold.</source>
        <comment>transit:Sun-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, the Sun steadies your Saturn: discipline comes more easily, people in charge may be fair, and patient work shows. Use it for the dull, necessary task. The steadiness can harden into caution; let one thing be done imperfectly and on time.</source>
        <comment>transit:Sun-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Sun presses on your Saturn, limits make themselves felt: a delay, a refusal, a sense of being examined by someone with authority. The pressure is tiring but honest; it shows where a plan lacks foundations, and work done on them now lasts.</source>
        <comment>transit:Sun-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the Sun reaches your Uranus, restlessness wakes: you may want to break the routine, say the unexpected thing, walk out of a rut. It suits an experiment or a fresh idea. Sudden decisions come easily now; wait a day on any that cannot be undone.</source>
        <comment>transit:Sun-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this short stretch the Sun sparks your Uranus: new ideas, unusual people and a welcome break from habit arrive with little friction. It favours trying the other way of doing things. Novelty this easy scatters attention; keep one experiment going past the week.</source>
        <comment>transit:Sun-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As it comes exact, the Sun jolts your Uranus: plans may be upset, patience runs thin, and the wish to be free of something presses hard. The disruption shows which routines have gone stale, and a change you choose now costs less than one forced on you later.</source>
        <comment>transit:Sun-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Sun passes over your Neptune, edges soften for a few days: imagination, music and compassion come easily, focus less so. It favours making something, resting, helping quietly. A decision taken in this haze can rest on a wish; check the facts before you commit.</source>
        <comment>transit:Sun-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun brightens your Neptune, and intuition runs clear: a gentle stretch for art, reflection and unannounced kindness. It can also drift by in daydreams, so give the inspiration a form, a page written or a tune practised.</source>
        <comment>transit:Sun-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Sun strains against your Neptune, clarity is harder to come by: plans blur, motives go vague, and purpose can feel drained. The fog asks you to slow down and listen, and what you sense in it is worth writing down before you act on it.</source>
        <comment>transit:Sun-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the Sun crosses your Pluto, intensity rises: what you want, you want completely, and what was hidden tends to surface. It favours getting to the bottom of a matter. Contests of control come easily now; know when to stop needing to win.</source>
        <comment>transit:Sun-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As it comes exact, the Sun deepens your Pluto: focus is strong, research pays, and you may find the resolve to clear out what no longer serves you, a cupboard or a commitment. The intensity is quiet and easy to waste on brooding; spend it on one real renewal.</source>
        <comment>transit:Sun-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun presses on your Pluto: control is at issue, with someone who pushes or in your own grip on a plan. The pressure exposes what you hold too tightly, and loosening it while this lasts gives you a firmer kind of strength.</source>
        <comment>transit:Sun-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun crosses your North Node, and the direction you are growing towards comes into view: a chance, a person or a nudge points away from the familiar. Take one step on that road while it is lit. Old habits still pull; notice which comfort you choose over growth.</source>
        <comment>transit:Sun-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun lights the way of your North Node: steps towards growth come more easily, and help may arrive from an unexpected quarter. The ease can make the step feel optional; take it while the way is clear.</source>
        <comment>transit:Sun-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Sun presses on your North Node, habit and growth pull apart, perhaps in a choice between the familiar role and the new one. The tension is a signpost: follow it one step, and the direction you are growing in becomes clearer.</source>
        <comment>transit:Sun-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun shines on your Lilith, and what you have refused to tame comes into the light: anger at being managed, desires kept off the record. A time to own what you refuse to bend on. It can also provoke people who prefer you compliant.</source>
        <comment>transit:Sun-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, the Sun warms your Lilith, and your untamed side is easier to live with: saying no, wanting what you want, standing apart from the crowd. It favours honest independence; keep it honest rather than contrary for its own sake.</source>
        <comment>transit:Sun-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, the Sun rubs against your Lilith: you may resent being told how to behave, or feel pushed to conform where you would rather refuse. The resentment marks a boundary worth keeping, and naming it calmly carries further than a slammed door.</source>
        <comment>transit:Sun-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the days the Sun spends on your Chiron, an old hurt can come into view: a remark that stings more than it should, a memory that returns uninvited. Your skill at tending others is plain in these days too. Give yourself the care you hand out so readily.</source>
        <comment>transit:Sun-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun warms your Chiron, and your old wound and your gift for tending sit more easily together: a good time to teach, listen, or speak of what once hurt. The calm is easily let slip; use it to mend something you usually avoid.</source>
        <comment>transit:Sun-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Sun bears on your Chiron, a sore point may be touched: criticism, being left out, a feeling of not measuring up. Treat the ache as information rather than a verdict; the patience you find for yourself now deepens the help you can give others.</source>
        <comment>transit:Sun-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun rises over your Ascendant: you stand out more, first impressions carry weight, and your presence can fill a room. It favours introductions, fresh starts, a new haircut. Being seen can feel exposed; wear it lightly.</source>
        <comment>transit:Sun-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, the Sun brightens your Ascendant: people respond warmly and you come across as you mean to, a good stretch for interviews and first conversations. The charm works without effort, so make sure you are saying something with it.</source>
        <comment>transit:Sun-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, the Sun strains against your Ascendant: your confidence can read as pushiness across the table, or your reserve as coolness at a first meeting. The gap asks you to present yourself on purpose, and what you learn about your manner now is worth keeping.</source>
        <comment>transit:Sun-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the Sun crosses your Midheaven, your work and standing are in the spotlight: recognition, a visible task, a talk about where your career is going. Show what you do. The attention cuts both ways, since a mistake is seen as clearly as a success.</source>
        <comment>transit:Sun-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days the Sun lights your Midheaven, and vocation runs smoothly: a good word from a superior, a project that shows your worth. Quiet ambition pays now, the job done to a high standard rather than announced. Goodwill can lull you into coasting; use it to ask for the next step.</source>
        <comment>transit:Sun-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Sun presses on your Midheaven, public role and private life compete, or your reputation is tested by a demand at work. The pressure clarifies what you want to be known for, and a choice made with that in mind serves your standing.</source>
        <comment>transit:Sun-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours the Moon crosses your Sun, and feeling and purpose pull together: what you take on now, you can take on with your whole heart. Moods follow your aims closely now, so a setback can sting more than it deserves; by the time the Moon moves on, it tends to ease.</source>
        <comment>transit:Moon-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon softens your Sun: you feel at home in yourself, and what you want comes without a struggle. A good hour for a talk with family or a task you enjoy. Contentment this easy can leave the harder job for tomorrow.</source>
        <comment>transit:Moon-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours the Moon pulls at your Sun: what you feel and what you mean to do disagree, and a passing mood can cloud a plan. Note the mood rather than obey it; once the hours pass, you can see what it was telling you.</source>
        <comment>transit:Moon-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon returns to its birth place for a few hours each month, your own emotional new start. Needs are plain and instincts true to form: rest, cook, sit with the people who feel like home. Moods run strong but pass quickly.</source>
        <comment>transit:Moon-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon moves in step with your own Moon: you feel settled, and what comforts you is within reach. Home, family and familiar pleasures are easy. Settled hours can close the door on everyone else; ring someone anyway.</source>
        <comment>transit:Moon-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours the Moon pulls at your own Moon, a monthly rub between the day&apos;s mood and your usual needs: irritability, an itch you cannot name, a drift from room to room. It passes quickly; asking what you actually need settles more than scratching the itch does.</source>
        <comment>transit:Moon-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Moon crosses your Mercury, for part of a day, thoughts take on feeling: you speak from the gut, remember old things, hear what people mean beneath their words. It suits a personal letter. Objectivity is harder; reread before sending.</source>
        <comment>transit:Moon-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon eases your Mercury: talk flows kindly, and you find words for what you feel. A good hour for a heartfelt conversation or a page of diary. The ease can slide into gossip; keep it warm, not idle.</source>
        <comment>transit:Moon-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until the Moon moves on, it unsettles your Mercury: thinking is coloured by mood, and a remark may be taken the wrong way, by you or by someone else. Pause before replying; the hours pass quickly and show you what was really bothering you.</source>
        <comment>transit:Moon-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours, as the Moon crosses your Venus, tenderness comes easily: affection, a treat, a room made lovely with candles. You may want comfort more than usual; enjoy it without letting it swallow the whole evening.</source>
        <comment>transit:Moon-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon warms your Venus: company is pleasant, kindness flows, and ordinary pleasures feel richer. Visit a friend or set the table properly. In warmth this free you can say yes to every plan on offer; keep one evening for yourself.</source>
        <comment>transit:Moon-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a stretch of hours the Moon rubs against your Venus: you may feel unappreciated, or want more affection than anyone is offering. The mood passes; meanwhile, giving yourself the kindness you are waiting for tends to settle it.</source>
        <comment>transit:Moon-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the Moon passes over your Mars, feelings turn straight into action: energy is high, and so is irritability. It suits hard chores or a frank word. A sharp reply comes easily now; aim the heat at a job, not at a person.</source>
        <comment>transit:Moon-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon feeds your Mars: you act on instinct and it works, and a stubborn task gives way. Clear the shed, move the furniture, finish the chore. The zeal can run past sense; stop when the job is done.</source>
        <comment>transit:Moon-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While it lasts, a few hours at most, the Moon provokes your Mars: tempers fray, patience thins, and a trivial thing can start a quarrel. Let the heat go into movement or work; the hours pass, and what set you off is often worth noting.</source>
        <comment>transit:Moon-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours the Moon crosses your Jupiter, and you feel generous and hopeful: give, host, say yes. Appetites grow with the mood, so the extra purchase or the third invitation accepted tempts; let the generosity reach others first.</source>
        <comment>transit:Moon-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon lifts your Jupiter: optimism comes easily, and kindness goes far. Help someone, or plan something to look forward to. The glow can make you offer more than you have; keep it to what you can give.</source>
        <comment>transit:Moon-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours the Moon strains against your Jupiter: you may want more than the day offers, or give more than you meant. The restlessness is brief; it hints at a need gone unmet, and naming it helps more than indulging it.</source>
        <comment>transit:Moon-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Moon crosses your Saturn, for part of a day, the mood sobers: you may feel alone with your duties, or less welcome than you are. It suits quiet, careful work. The weight lifts as the Moon moves on; be gentle with yourself meanwhile.</source>
        <comment>transit:Moon-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon steadies your Saturn: you feel calm, practical and equal to your duties. Do the accounts, plan the week, visit an older relative. The steadiness can tip into coolness; a warm word costs little.</source>
        <comment>transit:Moon-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until the Moon moves on, it pulls against your Saturn: feelings hit a wall, and you may feel lonely, criticised or held back. The mood is brief, and doing one dull task well tends to lift it more than brooding on it does.</source>
        <comment>transit:Moon-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours, as the Moon crosses your Uranus, moods turn quick and restless: you want change, space, something new. A spontaneous outing suits it. Feelings can flip suddenly; hold any decision you could not undo by evening.</source>
        <comment>transit:Moon-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon sparks your Uranus: a pleasant surprise, an unusual friend, a fresh way of seeing a familiar feeling. Take the other road home or say yes to the late plan. The excitement fades fast, so use the insight before it goes.</source>
        <comment>transit:Moon-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a stretch of hours the Moon jolts your Uranus: nerves are on edge, plans change, and you may bristle at anyone who hems you in. The agitation shows where you need more room, and a calm request gets it better than a sudden exit.</source>
        <comment>transit:Moon-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the Moon passes over your Neptune, feelings blur at the edges: you may be receptive, imaginative, easily moved. Music, rest or quiet care suit it. Boundaries thin now, so other people&apos;s moods can become yours.</source>
        <comment>transit:Moon-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon softens your Neptune: intuition is keen and compassion easy. Daydream with purpose, paint, pray, listen. The dreaminess can swallow the hours; give it an end.</source>
        <comment>transit:Moon-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While it lasts, a few hours at most, the Moon clouds your Neptune: feelings are vague, you may feel drained or misunderstood, and escape tempts. The fog lifts as the Moon moves on; until then keep plans simple, and trust a feeling once it is clear.</source>
        <comment>transit:Moon-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours the Moon crosses your Pluto, and feelings run deep: you may sense what is hidden, or feel an old hurt stir. It suits honest talk with one person you trust. Intensity can curdle into suspicion; let the hours pass before judging.</source>
        <comment>transit:Moon-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon deepens your Pluto: emotional insight is strong, and you can let go of something that has weighed on you. A real conversation suits it. The depth can pull you into brooding; come back up for air.</source>
        <comment>transit:Moon-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours the Moon stirs your Pluto: jealousy, control or a sense of threat may surface over very little. The feeling is strong but brief; it points to something old, and noticing it rather than acting on it loosens its grip.</source>
        <comment>transit:Moon-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Moon crosses your North Node, for part of a day, instinct leans towards growth: a feeling or a chance encounter nudges you along the path you are learning to walk. Follow it a little way; the old comforts can wait an evening.</source>
        <comment>transit:Moon-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon supports your North Node: what feels good and what helps you grow point the same way. Try one new habit in the direction you want. By the next day the habit can slip back into the usual; note how the new way felt.</source>
        <comment>transit:Moon-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until the Moon moves on, it pulls at your North Node: habit and growth tug in different directions, and the familiar comfort calls loudly. Notice the tug; it shows what you still lean on, and one step the other way counts.</source>
        <comment>transit:Moon-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours, as the Moon crosses your Lilith, feelings you usually keep wild and private rise: resentment at being tamed, a wish to be unruly. Honour an honest no. Moods are raw now, so choose where you let them out.</source>
        <comment>transit:Moon-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon eases your Lilith: you feel at home in the untamed part of you, free of the need to please. An evening on your own terms suits it, or a plain answer where you would usually soften one. Let it be candour, not carelessness with those close to you.</source>
        <comment>transit:Moon-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a stretch of hours the Moon rubs against your Lilith: you may feel managed, shamed or pushed into a role you refuse, the dutiful guest, the one who smooths things over. The anger is brief but telling; it marks a line you mean to keep, and you can step out of the role without leaving the room.</source>
        <comment>transit:Moon-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As the Moon passes over your Chiron, an old wound may ache: a feeling of not belonging, a tender memory. You tend others well in these hours; an hour with someone who knows the story does more for you than a brave face.</source>
        <comment>transit:Moon-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon soothes your Chiron: you can speak of what hurt without being swept away, and your care reaches those around you. A gentle conversation suits it. The calm is brief; use it.</source>
        <comment>transit:Moon-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While it lasts, a few hours at most, the Moon presses on your Chiron: a sore point is touched, and a trifle can hurt. The sting passes within the day, and a kind word to yourself settles it sooner than replaying the moment on a loop.</source>
        <comment>transit:Moon-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours the Moon crosses your Ascendant, and feelings show on your face: people read your mood before you say a word. It suits warm first contacts. You are more sensitive to others now; not every look is about you.</source>
        <comment>transit:Moon-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon warms your Ascendant: you come across as approachable and at ease, and people respond in kind. Introduce yourself, chat at the counter. Easy charm can make you say yes too quickly; keep your own pace.</source>
        <comment>transit:Moon-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few hours the Moon pulls at your Ascendant: a tired face reads as a cross one, and a passing mood shows before you have decided to share it. Say plainly what you mean, and explain a frown rather than leave it to be guessed at; the hours pass quickly.</source>
        <comment>transit:Moon-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the Moon crosses your Midheaven, for part of a day, feelings about work and reputation rise: you care what others think of your role. It suits work that needs a personal touch. The public mood can sway you; keep your own compass.</source>
        <comment>transit:Moon-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these hours the Moon supports your Midheaven: home and career are at ease with each other, and a colleague may warm to you. Work that looks after people goes well, the patient reply, the newcomer shown round. Comfort can tempt you to coast; do one thing that counts.</source>
        <comment>transit:Moon-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until the Moon moves on, it pulls at your Midheaven: home needs and work demands compete, and your standing can feel at stake over trifles. The tug is brief, and noting which side lost out today tells you where to set the balance this week.</source>
        <comment>transit:Moon-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury crosses your Sun, and your mind turns to your own aims: you think, talk and write about what matters to you. A good moment to draft the plan or state your case. Talking about yourself can crowd out listening; leave room for an answer.</source>
        <comment>transit:Mercury-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury lends your Sun an easy tongue: ideas line up with purpose, and explaining yourself is simple. It favours interviews, study and short journeys. The cleverness can be spent on chatter; put it to work on something you mean.</source>
        <comment>transit:Mercury-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury presses on your Sun: what you say and what you mean can part company, and plans invite argument. The argument sharpens your reasoning; check your facts, and a better plan can come out of it.</source>
        <comment>transit:Mercury-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the days Mercury spends on your Moon, feelings look for words: talk turns to home and family, and old memories resurface over the washing-up. It suits a letter or a heartfelt talk. Logic and mood blend now, so let a decision sit a day.</source>
        <comment>transit:Mercury-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury eases your Moon: you can say what you feel without fuss, and conversations at home go well. Sort the cupboards, call the family, settle the holiday plans. The ease can let you skip the harder talk; have that one too.</source>
        <comment>transit:Mercury-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mercury rubs against your Moon: thinking and feeling argue, words can hurt more than you meant, and home fills with errands and noise. The noise helps you name a need you have overlooked; say it plainly.</source>
        <comment>transit:Mercury-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury returns to its birth place, and for these days your own way of thinking is renewed: ideas come in your natural voice, and questions left open find answers. Start the course, the notebook, the plan. Too many ideas at once scatter; pick one.</source>
        <comment>transit:Mercury-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury moves in step with your own Mercury: learning is easy, talk flows, and your mind feels quick. It favours writing, study and the errands you have been saving. Fluency can turn to chatter; point it at something you want to understand.</source>
        <comment>transit:Mercury-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury grates on your own Mercury: your habitual way of thinking is tested by new facts, and misunderstandings crop up. Plans may need rethinking; the muddle shows where your reasoning has gone stale, and fresher thinking grows from it.</source>
        <comment>transit:Mercury-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Mercury crosses your Venus, words turn kind: compliments, warm letters, a graceful way with hard news. Make peace, write to someone you love, choose the colour for the room. Charm can slide into flattery; mean what you say.</source>
        <comment>transit:Mercury-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury sweetens your Venus: conversation is pleasant, negotiations go smoothly, and the tactful word is at hand. Plan the gathering, write the card, draft the design. Pleasantness can dodge what needs saying; say it kindly, but say it.</source>
        <comment>transit:Mercury-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury rubs against your Venus: a word in love or friendship can land wrong, or a shared purchase turn into a debate. The awkwardness asks you to say what you value rather than hint at it, and plain talk clears the air.</source>
        <comment>transit:Mercury-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Mercury passes over your Mars, the mind is quick and combative: you argue well, decide fast, speak sharply. Debate, negotiate, cut through the delay. Words can cut people too; pick the arguments that matter.</source>
        <comment>transit:Mercury-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As it comes exact, Mercury sharpens your Mars: thought turns quickly into action, and clear words push a plan through. Make the case, start the project, settle the dispute. Speed can skip details; glance back once before you sign off.</source>
        <comment>transit:Mercury-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mercury provokes your Mars: arguments flare, emails read harsher than they were meant, and haste breeds slips. The heat sharpens your case if you slow down and check; put it into one clear argument.</source>
        <comment>transit:Mercury-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thinking grows large while Mercury crosses your Jupiter: plans, travel ideas, a generous sense of what is possible. Learn, teach, pitch something bold. The broad view can skip the detail; read the fine print.</source>
        <comment>transit:Mercury-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mercury opens your Jupiter: learning comes easily, good news travels, and persuasion works. Send the manuscript, book the course, map the journey. Optimism can outrun the facts; check the figures before you promise.</source>
        <comment>transit:Mercury-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury strains against your Jupiter: you may say too much, promise too much, or lose the detail in the big picture. The overreach is also a chance to test your beliefs against the facts, and what survives is worth holding.</source>
        <comment>transit:Mercury-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the days Mercury spends on your Saturn, thinking turns serious: careful, critical, perhaps gloomy. It suits planning, paperwork and precise work. Doubt can freeze your words; state the worry, then decide.</source>
        <comment>transit:Mercury-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury steadies your Saturn: concentration is good, and plans gain structure. Forms, revision and the talk that needs a cool head all go better now. Care can harden into caution that stalls; set a deadline and keep it.</source>
        <comment>transit:Mercury-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mercury runs up against your Saturn: delayed replies, a critical voice, a plan blocked by rules. The going is slow but thorough; it shows the weak points in your thinking, and shoring them up now makes the plan sound.</source>
        <comment>transit:Mercury-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Mercury crosses your Uranus, ideas strike like sparks: sudden insights, odd news, an urge to say what no one expects. It suits invention and rethinking. The mind races; write the ideas down before acting on them.</source>
        <comment>transit:Mercury-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury quickens your Uranus: fresh ideas, surprising conversations, a new tool that makes sense at once. Learning something unfamiliar suits it, a language app, a gadget, a new route. Ten bright ideas in a morning can leave none finished; follow one through.</source>
        <comment>transit:Mercury-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury jolts your Uranus: nerves are taut, plans change at short notice, and you may blurt out what you meant to keep. Original ideas come with the jolt; pause before speaking, and keep the ones that hold up.</source>
        <comment>transit:Mercury-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Mercury passes over your Neptune, thought turns to images: imagination is rich, intuition sharp, facts hazier. It suits poetry, music and listening. Details slip now; double-check the dates and names.</source>
        <comment>transit:Mercury-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As it comes exact, Mercury softens your Neptune: words find their poetry, and you sense what is left unsaid. It favours creative writing and kind conversations. Dreaminess can blur a plan; put one clear step on paper.</source>
        <comment>transit:Mercury-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury clouds your Neptune: misunderstandings, vague plans, a message that means more or less than it says. Keep to facts and confirm what matters; the haze also carries hunches worth noting once it clears.</source>
        <comment>transit:Mercury-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Mercury crosses your Pluto, the mind digs: research, hard questions, a conversation that goes to the root. It suits uncovering and persuading. Thoughts can circle obsessively; know when the question has been answered.</source>
        <comment>transit:Mercury-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mercury deepens your Pluto: focus is strong, you see through pretence, and persuasive words come easily. The archive, the fine detail of a report, the question nobody has asked all yield to you. Insight can be used to win; use it to understand.</source>
        <comment>transit:Mercury-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury needles your Pluto: talk can turn to contests of control, to secrets, or to a thought you cannot stop turning over. The pressure brings the hidden to light; say what you know plainly, without steering how it lands.</source>
        <comment>transit:Mercury-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the days Mercury spends on your North Node, a conversation, a book or a stray idea points towards the way you want to grow. Find out what the next step requires. Talk of change comes easily; turn it into one concrete plan.</source>
        <comment>transit:Mercury-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury supports your North Node: learning and talking carry you in the direction of growth, and the right information comes to hand. An article saved is not a step taken; act on one thing you learn.</source>
        <comment>transit:Mercury-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mercury rubs against your North Node: familiar opinions and a new direction argue, and you may talk yourself back into old habits. Listen to the argument; it shows which ideas hold you back from growing.</source>
        <comment>transit:Mercury-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Mercury crosses your Lilith, the unsaid wants saying: words for what you have refused to accept, or a blunt truth you usually swallow. Write honestly. The edge can cut deeper than you mean; choose your listeners.</source>
        <comment>transit:Mercury-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury eases your Lilith: you find words for your untamed side, and speaking your mind feels natural. It favours frank writing and a clear no. Frankness is a gift; spend it where it helps.</source>
        <comment>transit:Mercury-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury grates on your Lilith: you may bristle at being corrected, silenced or talked down to, and words turn sharp. The bristling shows where you refuse to submit, and putting that refusal into calm words gives it force.</source>
        <comment>transit:Mercury-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Mercury passes over your Chiron, talk turns to old hurts: a remark touches a sore spot, or you find words for something long unspoken. Teach, counsel, listen well. Speak of the wound where it is safe to do so.</source>
        <comment>transit:Mercury-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury eases your Chiron: you can talk about what hurt without reopening it, and what you say helps others. A younger colleague, or a friend going through what you once did, can gain from your words. Words alone can stop short; do one thing that mends.</source>
        <comment>transit:Mercury-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As it comes exact, Mercury presses on your Chiron: criticism stings, misunderstandings touch old doubts, and you may feel unheard. Say once and plainly what hurt; the words you find for it now can later help someone else find theirs.</source>
        <comment>transit:Mercury-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury on your Ascendant, you come across as quick and talkative: first impressions rest on what you say. It suits interviews, calls and short trips. Nerves can show as chatter; slow down.</source>
        <comment>transit:Mercury-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mercury eases your Ascendant: you express yourself well, and people find you easy to talk to. Introduce yourself, give the talk. Fluency can skim the surface; let people see some depth.</source>
        <comment>transit:Mercury-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mercury grates on your Ascendant: your words and your manner send mixed signals, and people can misread you. The confusion asks you to say what you mean in so many words, and teaches you how you come across.</source>
        <comment>transit:Mercury-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the days Mercury spends on your Midheaven, work fills with talk: calls, emails, plans about your career. Present your ideas to the people who shape your standing. Busy is not the same as productive; choose what gets your attention.</source>
        <comment>transit:Mercury-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mercury supports your Midheaven: your ideas are heard at work, and a well-put word helps your reputation. It favours proposals and applications. Talk can stop at talk; follow the idea with a deed.</source>
        <comment>transit:Mercury-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mercury presses on your Midheaven: a crossed wire at work, or private errands crowding the working day. A quick, plain correction protects your standing better than silence, and the habit of confirming in writing outlasts these days.</source>
        <comment>transit:Mercury-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Venus crosses your Sun, you come across as easy to like and can go easy on yourself: people drift towards you at the party, and pleasure asks for little effort. Say yes to the long lunch, then get back to the desk; these days favour delight more than discipline.</source>
        <comment>transit:Venus-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affection, invitations and good company find you with little asking for as long as this lasts, and creative work goes sweetly. The pleasure can make the week idle; let it carry you towards something you actually want.</source>
        <comment>transit:Venus-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until this passes, Venus rubs against your Sun: you may agree to the dinner you did not want, or buy a comfort you do not need, to keep things pleasant. The discomfort asks what you really value, and a clear answer makes your warmth more genuine.</source>
        <comment>transit:Venus-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home feels tender as Venus crosses your Moon: fresh flowers on the sill, a call with family that runs long, a wish to make the rooms lovely. Nurture and let yourself be nurtured, with an eye on the evenings that melt into the sofa.</source>
        <comment>transit:Venus-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus eases your Moon: feelings are gentle and home is a pleasure to be in, good for hosting or for making up after a quarrel. Such soft air can tempt you to skip a needed talk; have it while the air is kind.</source>
        <comment>transit:Venus-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Venus pulls at your Moon: you may feel under-loved, or want more comfort than anyone offers, and moods gather around a partner or family. The ache shows what you need; asking gently beats waiting to be guessed.</source>
        <comment>transit:Venus-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words grow gracious as Venus crosses your Mercury: the thank-you note, the compliment that lands, the tactful way with hard news. A fine few days to write or negotiate. Sweet words can skip the truth; keep them honest.</source>
        <comment>transit:Venus-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus sweetens your Mercury, and the right word for a delicate matter comes to hand, in a letter, a pitch or a toast. Charm can drift into chatter; spend it on what needs saying.</source>
        <comment>transit:Venus-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Venus rubs against your Mercury: tact and honesty pull different ways, and a kind word can come out crooked. The awkwardness teaches you to say hard things gracefully, a skill that outlasts these days.</source>
        <comment>transit:Venus-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus comes back to its birth place, and while it lingers your own way of loving and enjoying is renewed: taste, affection and pleasure feel like yours again. Buy the print, book the table, say what you want in love, without overdoing any of it.</source>
        <comment>transit:Venus-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Venus moves in step with your own Venus: affection flows, your eye is sure, and a gift chosen now tends to please. Love that runs this smoothly is easy to take as read; offer one gesture that costs you some thought.</source>
        <comment>transit:Venus-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus grates on your own Venus: what you want in love or pleasure feels out of reach, or someone else&apos;s taste questions yours. The challenge helps you see what you truly value, and a choice made on that is sound.</source>
        <comment>transit:Venus-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desire rises as Venus crosses your Mars: a flirtation across the room, a wish to act on what you want, creative drive with some heat in it. Passion can turn impatient; let the other person set half the pace.</source>
        <comment>transit:Venus-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Venus warms your Mars: charm and drive pull in harness, so you can go after what you want without shoving. Dates, team projects and art go well. Ease keeps you on the pleasant path; take one steeper one too.</source>
        <comment>transit:Venus-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Venus provokes your Mars, attraction and irritation mix: a partner&apos;s plans cut across yours, and the spark can go either way. The heat brings passion as well as argument; saying plainly what you want keeps it warm.</source>
        <comment>transit:Venus-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generosity blooms as Venus crosses your Jupiter: celebrations, gifts given and received, a table that fills with friends. Enjoy it and be kind. Excess comes as easily; the plate and the bill can both grow large.</source>
        <comment>transit:Venus-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus lifts your Jupiter: social luck, warmth and pleasure arrive without effort, good for a party, a trip or a creative venture. Good times can tip into the third late night in a row; leave room in the week to enjoy what you already have.</source>
        <comment>transit:Venus-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until this passes, Venus strains against your Jupiter: one more evening out feels harmless, and you may promise more than you meant, in love or in spending. The pull asks for measure, and enjoyment kept to scale tastes sweeter.</source>
        <comment>transit:Venus-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love turns serious while Venus crosses your Saturn: a commitment is weighed, affection feels restrained or put to the test. Show your loyalty and set clear terms. Loneliness can visit these days; what stays after it is real.</source>
        <comment>transit:Venus-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Venus steadies your Saturn: relationships feel solid, and pleasure takes a shape you can rely on, a standing dinner, a craft practised with patience. Steadiness can turn dull; add some play.</source>
        <comment>transit:Venus-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Venus chafes against your Saturn: affection feels rationed, a partner distant, a pleasure postponed for duty. The chill asks for clearer terms in a relationship, and setting them builds trust.</source>
        <comment>transit:Venus-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Love wants novelty as Venus crosses your Uranus: a sudden attraction, an odd new taste, a wish for more room in a relationship. Try something different together. Infatuations flare and fade; enjoy them without upending your life.</source>
        <comment>transit:Venus-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus sparks your Uranus: a pleasant surprise in love or friendship, a fresh style, an outing off the usual map. The thrill fades fast; keep what proves worth keeping.</source>
        <comment>transit:Venus-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Venus jolts your Uranus: restlessness in love, a sudden urge for space, a friend who acts out of character. The jolt shows where closeness feels confining; asking for room openly keeps the bond intact.</source>
        <comment>transit:Venus-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Romance turns dreamy while Venus crosses your Neptune: music that moves you, love seen through a soft lens, compassion that comes unbidden. Make something, or be kind. The soft lens can mislead; look at people as they are.</source>
        <comment>transit:Venus-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus softens your Neptune: tenderness, imagination and beauty come easily, in a sketchbook, a concert, a gentle romance. The haze can make you drift; let it inspire one thing you make.</source>
        <comment>transit:Venus-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Venus clouds your Neptune: you may idealise someone, feel let down, or take pity for love. The blur asks for clear eyes, and a love that survives them is worth more.</source>
        <comment>transit:Venus-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attraction runs deep as Venus crosses your Pluto: passion, intensity, perhaps a flicker of jealousy. Honest intimacy thrives in these days. Desire can turn possessive; hold it with an open hand.</source>
        <comment>transit:Venus-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these days Venus deepens your Pluto: love has staying power, and facing what was left unsaid can renew a bond. It suits intimacy and serious creative work. Intensity can sink into brooding; keep some lightness.</source>
        <comment>transit:Venus-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until this passes, Venus works on your Pluto: jealousy, control or a silent test of loyalty can surface in love, a late reply read as a verdict. The strain shows how much the bond matters to you, and trust offered rather than tested deepens it.</source>
        <comment>transit:Venus-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Venus crosses your North Node, a friendship, a pleasure or a new taste points towards the way you are growing. Follow the attraction that stretches you. The familiar comfort pulls back; notice when it does.</source>
        <comment>transit:Venus-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus supports your North Node: people who help you grow are easy to find, and what you enjoy leads somewhere good. New friendships flourish. Good company can become an end in itself; ask now and then where it is taking you.</source>
        <comment>transit:Venus-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Venus rubs against your North Node: an old comfort and a new direction compete for your affection, the friends who like you as you were and the circle that stretches you. Keep the old company, but give the new some evenings too; the pleasure that asks more of you is the one you grow by.</source>
        <comment>transit:Venus-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desire refuses to be polite as Venus crosses your Lilith: attraction to the forbidden, beauty on your own terms, a wish to be loved untamed. Own your wants. Provocation comes easily; choose it knowingly.</source>
        <comment>transit:Venus-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus eases your Lilith: you feel free to like what you like and love as you love, without apology, and creative daring comes naturally. Liking without apology can tread on a partner&apos;s taste; leave room for theirs.</source>
        <comment>transit:Venus-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Venus grates on your Lilith: you may resent being expected to please, or feel your desires judged. The resentment shows where you refuse to trim your nature, and saying so plainly keeps love honest.</source>
        <comment>transit:Venus-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Venus crosses your Chiron, old hurts in love or self-worth surface, softened by kindness. Tend the wound with beauty, art or affection, given and received. Sensitivity runs high; be gentle with yourself and others.</source>
        <comment>transit:Venus-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus soothes your Chiron: affection eases old hurts, and your kindness reaches others, in a friendship or a shared piece of creative repair. Soothing can stop at the surface; let one tender talk go further than usual.</source>
        <comment>transit:Venus-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Venus grazes your Chiron: a careless word in love, or a doubt about your worth, can sting. Offer the sore place the tenderness you would give a friend&apos;s, and these days leave you gentler with others too.</source>
        <comment>transit:Venus-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Venus crosses your Ascendant, you can look and feel more attractive: charm comes easily, people warm to you, and a new look suits you. First impressions tend to go well. Vanity can creep in; enjoy the glow anyway.</source>
        <comment>transit:Venus-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus graces your Ascendant: you come across as pleasant and approachable, and introductions run smoothly. Charm can stand in for substance; let it carry something real.</source>
        <comment>transit:Venus-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until this passes, Venus rubs against your Ascendant: how you want to be seen and how you come across differ, and you may try too hard to please. The mismatch helps you present yourself honestly, which is more attractive anyway.</source>
        <comment>transit:Venus-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your public image warms as Venus crosses your Midheaven: colleagues warm to you, and recognition can come gently. Network, or ask the favour. Popularity can become the goal; keep to your work.</source>
        <comment>transit:Venus-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Venus supports your Midheaven: goodwill at work, pleasant dealings with superiors, a chance to show your taste in a proposal or a design. Goodwill left unspent fades with the week; ask for the introduction while it is there.</source>
        <comment>transit:Venus-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Venus tugs at your Midheaven: love and career compete for the same evenings, or being liked conflicts with your duty. The tug asks you to weigh what you value, and the choice strengthens your standing.</source>
        <comment>transit:Venus-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy surges while Mars crosses your Sun: courage, ambition, a wish to win. Start what needs force, take the lead, make the call you have dodged. Anger and haste come with the surge; spend them on a task rather than a person.</source>
        <comment>transit:Mars-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Mars fuels your Sun, you act with confidence, and effort pays off on the pitch, at the desk or in the workshop. The drive can run past the point of rest; stop while you are still ahead.</source>
        <comment>transit:Mars-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until this passes, Mars butts against your Sun: clashes with others, a sense of being blocked, a fuse shorter than usual. The resistance is energy too; put it into one clear goal and you come out of these days stronger.</source>
        <comment>transit:Mars-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feelings heat up as Mars crosses your Moon: irritability, a fierce wish to protect your own, a sudden urge to repaint the kitchen. Tempers can flare at home; speak plainly and early rather than late and loud.</source>
        <comment>transit:Mars-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mars energises your Moon: you act on your feelings with courage, and the household project finally gets done. Zeal can flatten gentler people around you; keep a soft hand.</source>
        <comment>transit:Mars-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through these days Mars provokes your Moon: moods run hot, a quarrel at home needs little fuel, and you may feel defensive. The heat shows what you need to protect, and saying so calmly puts it to good use.</source>
        <comment>transit:Mars-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thinking turns quick and sharp as Mars crosses your Mercury: you argue, decide and speak with force. Debate, draft the bold plan, cut through the dithering. Words can wound; count to three before the reply goes out.</source>
        <comment>transit:Mars-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars sharpens your Mercury: the mind is keen, and a plan can be pushed through with clear words, good for negotiating or writing to a deadline. Haste can skip the listening; let others finish.</source>
        <comment>transit:Mars-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mars provokes your Mercury: arguments flare, messages turn sharp, and haste breeds errors. Slowed down, the same heat sharpens your reasoning; choose the argument worth having.</source>
        <comment>transit:Mars-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desire heats up as Mars crosses your Venus: attraction, passion, a wish to pursue what you love, and creative work with fire in it. Impatience can push too hard; leave the other person room to come forward.</source>
        <comment>transit:Mars-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars warms your Venus: passion and charm pull together, and you can go after what you love with grace, a bold invitation or a canvas started. The pursuit can become a game of its own; make sure you still want what you chase.</source>
        <comment>transit:Mars-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mars provokes your Venus: desire and irritation mix, and love comes with some grit, a row about whose turn it is. The heat can turn passionate or quarrelsome; saying clearly what you want keeps it warm.</source>
        <comment>transit:Mars-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars returns to its birth place, opening a new round of your drive, roughly every two years: energy, ambition and a wish to begin. Start what needs courage and stamina. The surge can make you impatient; pace it over the coming weeks.</source>
        <comment>transit:Mars-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mars moves in step with your own Mars: effort is smooth, and what you start tends to gather momentum. Hands-on work and bold moves suit it, the shelves put up, the first push on a long project. Momentum can carry you past the point you meant to stop; set that point before you begin.</source>
        <comment>transit:Mars-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars strains against your own Mars, a checkpoint in its two-year round: frustration, conflict, a sense that your efforts are stuck. The stalling hints that your approach needs changing, and a new tactic gains ground.</source>
        <comment>transit:Mars-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambition expands while Mars crosses your Jupiter: you pitch the bigger version of the plan, say yes to the trip at short notice, back yourself against a stronger rival. Act on an opening. Overconfidence can overreach; measure the leap before you take it.</source>
        <comment>transit:Mars-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars fuels your Jupiter: effort finds opportunity, and confident action pays, on a journey, in a contest, in a venture you have been weighing. Confidence running this high can skip the checks; make them anyway.</source>
        <comment>transit:Mars-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until this passes, Mars strains against your Jupiter: you may overdo, overpromise, or quarrel over beliefs at the dinner table. The restlessness is fuel; aimed at one goal, it becomes progress.</source>
        <comment>transit:Mars-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive hits limits as Mars crosses your Saturn: delays, red tape, effort that feels uphill all the way. These days suit disciplined, sustained work. Anger at obstacles is understandable; patience gets further.</source>
        <comment>transit:Mars-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mars steadies your Saturn: disciplined effort pays, and you can work long and hard with focus, on a repair, a build, a plan. The grind can make you rigid; rest as well.</source>
        <comment>transit:Mars-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars grinds against your Saturn: frustration mounts as effort runs into rules, bosses or your own doubts, the form sent back a third time. Progress is slow, and persistent effort through it builds strength that lasts.</source>
        <comment>transit:Mars-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy comes in bursts while Mars crosses your Uranus: impulses to break free, act now, take the risk. Start something new and bold. Haste and restlessness can lead to rash moves; think twice before the leap.</source>
        <comment>transit:Mars-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold ideas become action while Mars sparks your Uranus, and change comes easily, a new method tried, a stuck routine kicked loose. Excitement can scatter you; finish what you start.</source>
        <comment>transit:Mars-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mars jolts your Uranus: impatience, sudden conflicts, an urge to rebel against any rule in sight. The charge is volatile; channel it into a change you choose rather than one forced on you.</source>
        <comment>transit:Mars-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive goes soft-edged as Mars crosses your Neptune: energy for art, compassion or a cause, less for competition. Act on an inspiration. Motivation can evaporate; set a modest goal you can reach.</source>
        <comment>transit:Mars-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mars supports your Neptune: you can act on ideals and imagination, in creative work, in helping others, in a quiet practice. Dreaminess can weaken follow-through; keep going past the first burst.</source>
        <comment>transit:Mars-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars clouds your Neptune: energy is scattered, motives unclear, and effort can seem to sink into sand. The fog asks you to act on what you know, not on what you hope; clarity comes with each honest step.</source>
        <comment>transit:Mars-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensity builds as Mars crosses your Pluto: determination, power, a drive to win, the kind that strips a room back to bare walls in a weekend. Deep work and tough challenges suit these days. Contests of control can erupt; choose your battles.</source>
        <comment>transit:Mars-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Mars deepens your Pluto, determination is strong, and concentrated effort can overhaul a situation from the ground up, the clear-out, the rebuild. Intensity can become ruthless; keep it fair.</source>
        <comment>transit:Mars-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until this passes, Mars locks horns with your Pluto: a standoff over who decides, pressure from someone who refuses to back down. The pressure shows what you are fighting for; use it for lasting change, not for winning the standoff.</source>
        <comment>transit:Mars-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Mars crosses your North Node, drive points towards growth: the courage to apply, enrol, or say the first sentence in a new language. Act on the new direction. Impatience can rush it; keep a pace you can hold.</source>
        <comment>transit:Mars-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars backs your North Node: the form for the course gets filled in, the first call to a new circle gets made, and a step towards growth takes less nerve than usual. Energy can scatter across too many new roads; walk one of them.</source>
        <comment>transit:Mars-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mars strains against your North Node: you may find yourself fighting the old battles, the same argument with the same person, while the new road stalls at the first hurdle. The frustration is a signal; put the energy into one step in the new direction, not into the old fight.</source>
        <comment>transit:Mars-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The untamed side wants action as Mars crosses your Lilith: anger at being controlled, a fierce refusal to submit, the door you stop holding open for someone who takes it for granted. Stand your ground. Rage can overshoot; aim it carefully.</source>
        <comment>transit:Mars-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars supports your Lilith: you can act boldly on your own terms, with the solo trip booked, the rule you quietly stop obeying. Boldness can turn careless; mind the people around you.</source>
        <comment>transit:Mars-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until it passes, Mars grates on your Lilith: you may clash with whoever tries to rein you in, a rule laid down without reason, a partner who decides for you, or swallow an anger that then leaks out sideways. The clash marks your limits; one firm refusal made early spares you ten sharp ones later.</source>
        <comment>transit:Mars-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old hurts can flare as Mars crosses your Chiron, stirring anger or defence, an old insult replayed on the journey home. Put the energy into tending, your own or someone else&apos;s. Push gently; forcing can reopen the hurt.</source>
        <comment>transit:Mars-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mars lends your Chiron some nerve: the courage to face an old hurt, to raise the subject everyone steps around, to stand up for someone who is struggling. Helping others can use up the courage meant for your own sore spot; keep some for it.</source>
        <comment>transit:Mars-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars prods your Chiron: a sore point is provoked, and you may react sharply. Pause before striking back; choosing care over anger while it lasts is the very skill this sore place has taught you.</source>
        <comment>transit:Mars-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can come across as forceful while Mars crosses your Ascendant: a quicker stride, a firmer voice, a readiness to act. Take the lead. People can find you abrupt; watch your edge.</source>
        <comment>transit:Mars-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars energises your Ascendant: you walk in ready, speak first, and people tend to follow the lead you offer at the meeting or on the team. The same push can run over quieter voices; ask before you decide for the group.</source>
        <comment>transit:Mars-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until this passes, Mars provokes your Ascendant: friction with others, or a sense of being challenged the moment you walk in. The friction shows how you come across; assert yourself with care.</source>
        <comment>transit:Mars-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambition drives your career as Mars crosses your Midheaven: a push to achieve and be seen, the hand raised for the hard project. Take the initiative. Conflicts with superiors can arise; pick the fight that matters.</source>
        <comment>transit:Mars-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this lasts, Mars fuels your Midheaven: effort at work pays off, and initiative is welcome, the proposal pushed, the hard job volunteered for. Taking on every task on offer can stretch you thin; keep the one that shows what you do best.</source>
        <comment>transit:Mars-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these days Mars pushes against your Midheaven: a manager who overrules you, a deadline moved up without asking, a temper carried home from work. Fighting the whole hierarchy rarely helps; a new tactic for one goal moves you forward.</source>
        <comment>transit:Mars-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these weeks, and longer if Jupiter turns back over your Sun, your sense of yourself has more room to grow. It is a good time to ask for the larger role, enrol in the course or take the trip you keep postponing, and people tend to say yes more readily. The same breadth can swell into promising too much, accepting three invitations for one evening. By the time it passes, what remains is a wider picture of what you can be, as far as you acted on it.</source>
        <comment>transit:Jupiter-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Jupiter favours your Sun, confidence comes more easily and doors open with less pushing. A word to the right person, an application sent or a plan shared with a friend can go further than usual, though the ease itself can let you coast until the chance has gone by unused. Pick one aim worth the lift and give it your effort for these weeks; ground gained now tends to stay gained.</source>
        <comment>transit:Jupiter-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few weeks, or a few months if Jupiter turns back over the spot, your Sun is urged to grow faster than your plans allow. The week fills past what it can hold, and someone whose certainty outruns your own may bristle at yours. Alone, it shows as the yes given before the diary is checked, then the scramble to honour it. The pull is real; trimming the list is part of the growth, and what can remain is a larger aim sized to your actual days.</source>
        <comment>transit:Jupiter-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Jupiter crosses your Moon, feelings run fuller and warmer for some weeks, sometimes three times over as it turns back and forward. It favours opening your home, mending a family tie, or simply letting yourself be looked after. The shadow is comfort in excess: the cupboard stocked for a siege, the house full of guests when you needed quiet. What can remain once it passes is a wider sense of where you belong, and of who belongs with you.</source>
        <comment>transit:Jupiter-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter easing your Moon, moods tend to lift and the people around you feel more generous. It is a good season to host, to visit family, to look for a home that suits you better, or to rest without guilt. Because things feel fine, you may let them drift rather than use the goodwill. Put it to work: a conversation you have avoided goes more gently now, and the warmth of it tends to outlast the transit.</source>
        <comment>transit:Jupiter-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Jupiter stirs your Moon, for some weeks and now and then through a loop of months, feelings ask for more than the moment can give. Relatives may lean on you and you may say yes to every request, or a home that was enough last year can feel cramped. The quieter habit is the cupboard opened whenever an evening feels thin. Notice which hunger is real and feed that one; afterwards you may know better what home means to you and what was only appetite.</source>
        <comment>transit:Jupiter-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few weeks, and longer if it turns back over the spot, Jupiter widens your Mercury: ideas arrive in armfuls, and reading, study, writing and travel are favoured. It is a fitting time to pitch the proposal, sign up for the course or start the notebook. The cost is scatter: ten tabs open, a message three times as long as it needs to be, details waved through. Once it passes, keep the one idea that still holds up on a second reading.</source>
        <comment>transit:Jupiter-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Jupiter favours your Mercury, words find their audience more readily. A letter lands well, an interview runs smoothly, and a chat with a teacher or a stranger on a journey can open a door. It is easy to take the fluency for granted and say much while doing little. Write down what you learn in these weeks; the notes tend to be worth more than the talk, and they stay when the transit has gone.</source>
        <comment>transit:Jupiter-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some weeks Jupiter pushes your Mercury to think bigger than the facts support. You may agree to a plan on a good feeling and skim the fine print, and someone may challenge your certainty across a table or in a long thread of messages. On your own, the pattern is the next tab opened and the conclusion reached before the reading is done. The friction is useful: it asks you to check sources and trim claims, and it can leave your judgement broader and better founded.</source>
        <comment>transit:Jupiter-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Jupiter crosses your Venus, pleasure, affection and taste swell for a week or two, and again if it turns back. It favours celebrations, a generous gesture, time with people you love and making something beautiful. The same warmth spends freely: the dinner that grows to twelve guests, the gift beyond the budget, the yes to every invitation. What can remain after it passes is a clearer sense of what you truly enjoy, and perhaps a friendship or a love that grew in the warmth.</source>
        <comment>transit:Jupiter-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Jupiter favours your Venus, charm comes easily and people are inclined to like you. Now is a good moment for reconciliations, for social plans and creative work, and for asking for what you would enjoy. The ease can lull you into indulgence, or into letting a good bond coast on goodwill. Use these weeks to give as well as receive; affection tended now tends to last well beyond the transit.</source>
        <comment>transit:Jupiter-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through these weeks, Jupiter presses your Venus to want more: more delight, more attention, more of whatever glitters in the shop window. A partner may be expected to supply all the sweetness, or a friend&apos;s lavish evening can make your own life look plain. Out of sight it can be the basket filled on a whim at midnight and the treat that was meant to be once. The itch has a use, since it shows which pleasures feed you and which only fill time, and your taste can come out of it surer.</source>
        <comment>transit:Jupiter-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few weeks, and longer if it loops back over the spot, Jupiter fires your Mars: energy, courage and the appetite for action rise together. It is a good season to begin the project, enter the competition or push a stalled matter forward. The risk is overreach: too many fronts at once, a temper that runs ahead, a bold move made before it is thought through. What remains afterwards is the ground you actually took, so choose it.</source>
        <comment>transit:Jupiter-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter easing your Mars, effort pays back more readily and you can push without strain. Training for something, building, asking for the promotion or launching a venture are favoured. Left to itself, the ease can tempt you to coast on drive alone, starting much and finishing little. Aim the energy at one thing for these weeks; what you finish now tends to give you confidence for a long while after.</source>
        <comment>transit:Jupiter-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few weeks, longer if it loops back, Jupiter inflates your Mars and drive can outrun judgement. A schedule agreed with no slack in it, a fight taken up that is not yours, a clash with someone as sure of themselves as you are: the friction is out in the open. The quieter loop is the next challenge accepted before the last one is finished. The pressure is also fuel; pick the battle worth the effort, and you may come away knowing how much force a task deserves.</source>
        <comment>transit:Jupiter-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is your Jupiter return, which comes about every twelve years, and for some weeks or months it opens a new round of growth. It favours taking stock of what you believe and hope for, and choosing the next horizon: a course, a move, a new circle of friends. The risk is promising yourself everything at once. What you begin in good faith now tends to set the tone of the years that follow, once the return has passed.</source>
        <comment>transit:Jupiter-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a point in Jupiter&apos;s twelve-year cycle when your own sense of opportunity flows more easily. For these weeks, plans made earlier in this cycle may show fruit, and help can come from teachers, friends or a chance conversation. It is easy to enjoy the lift without asking what it is for. Use it to take the next step on a path already chosen; progress made now tends to hold.</source>
        <comment>transit:Jupiter-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a checkpoint in Jupiter&apos;s twelve-year cycle, when the hopes you set out with rub against how things have actually grown. For some weeks, or months if it loops, a plan can outgrow its frame, and you may hear someone question the faith you put in it. In private the swing runs from overreaching to giving up and back, sometimes within a day. The friction asks for an honest review; what can remain is a vision resized to the life you lead.</source>
        <comment>transit:Jupiter-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Jupiter crosses your Saturn, hope and duty work on the same task for a while. It is a good season to grow something solid: a career step earned by years of work, a structure widened, a house rule relaxed that no longer serves anyone. The cost can be a restless wish to outgrow obligations before they are done. Once it has moved on, what is left is a foundation that bears more weight, if you built on it.</source>
        <comment>transit:Jupiter-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Jupiter favours your Saturn, patient efforts find support and limits feel less confining. It suits long-term plans, a steady commitment, formal study, or help from someone older and more experienced. The risk is contentment, using the ease to rest rather than to lay the next stone. Put one lasting piece in place in these weeks; structures begun now tend to stand.</source>
        <comment>transit:Jupiter-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these weeks Jupiter tugs at your Saturn, and the urge to expand strains against what you have already promised. An offer may arrive just as a duty holds you back, or someone may set a limit the moment you wanted more. The loop at home is the plan for a freer life drafted and filed away again each Sunday evening. Neither side is simply wrong; by the time it passes, you may know which commitments still deserve your loyalty and where growth can begin inside them.</source>
        <comment>transit:Jupiter-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a week or two, or in bursts over months if it turns back, Jupiter crosses your Uranus, and the wish for freedom gets a generous tailwind. Sudden chances, unusual people and new ideas are more likely to turn up, and a leap you have been weighing can feel obvious. The risk is a restlessness that drops good things along with the dull ones. Once it passes, what remains is the door you actually opened, so open the one that leads somewhere.</source>
        <comment>transit:Jupiter-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Jupiter favours your Uranus, originality is welcome and change can come without a fight. It is a good season to try the new method, the unusual trip or the unexpected friendship, and to say the thing nobody in the room expects. Enjoyed as a show, the novelty can be gone with the next weekend. Use these weeks to change one real thing, the tool you work with or the route you take, and you may find you never go back.</source>
        <comment>transit:Jupiter-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some weeks Jupiter goads your Uranus, and the itch to break loose can grow large. Plans may be overturned on impulse, and other people may spring their own announcements on you. Privately it can be the job advert read at midnight and closed again, night after night. Some of the urge is sound and some is only restlessness; test each change against what you want to keep, and you can come away with more freedom and less broken on the way.</source>
        <comment>transit:Jupiter-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Jupiter crosses your Neptune, the imagination opens wide for some weeks. Music, art, faith, retreat and acts of compassion are favoured, and you may be moved by things others barely notice. The shadow is vagueness: the lovely plan with no date, trust given too readily, the escape that leaves the task undone. What outlasts it is a glimpse of meaning worth keeping, if you give it a form.</source>
        <comment>transit:Jupiter-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter favouring your Neptune, intuition and kindness flow easily. It suits creative work, quiet time, volunteering or a spiritual practice. Taken for granted, the ease can slide into drifting, days pleasantly spent and nothing landed. Give the inspiration a shape in these weeks, a page a day or an hour in the studio; what is made now tends to carry the feeling onward when the transit has gone.</source>
        <comment>transit:Jupiter-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through these weeks Jupiter swells your Neptune, and hopes can float free of the facts. A cause may ask for more faith than it earns, and someone may sell you a dream with a warm smile. Meanwhile the same daydream is replayed on every journey while the ordinary duty waits. The season asks for discernment: check the details without losing the vision, and the faith you keep afterwards can be better tested and more your own.</source>
        <comment>transit:Jupiter-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a week or two, and on and off for months if it loops back over the spot, Jupiter crosses your Pluto and magnifies whatever runs deep. It can bring the courage to take on a great task, leave a draining arrangement, or claim a power you have held back. The shadow is the wish to control everything that grows. When it has gone, you keep the change you chose to make, and the strength that comes from having made it.</source>
        <comment>transit:Jupiter-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Jupiter favours your Pluto, deep change comes with less resistance than usual. It suits research, an honest look at old patterns, settling a long-standing matter, or using your influence for someone&apos;s good. With so little resistance, one cleared shelf can pass for the whole job. Go down to the root in these weeks; what you renew now can stay renewed.</source>
        <comment>transit:Jupiter-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some weeks, longer if it turns back, Jupiter amplifies your Pluto, and ambition or a struggle for control can grow larger than the situation needs. You may push too hard to win a point at work, or feel someone&apos;s power pressing on you across a desk. The hidden grip is the all-or-nothing aim rehearsed at night, the plan to prove yourself once and for all. The intensity can be harnessed: choose what to transform and what to leave alone, and you may come out with power better used.</source>
        <comment>transit:Jupiter-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Jupiter crosses your North Node, the direction you are growing toward gets a generous push for some weeks. Chances tend to appear that lead beyond your habits: a teacher, a journey, an invitation into unfamiliar ground. The risk is staying with the old comforts because the new road looks large. The part that stays afterwards is a few steps taken in the direction your growth asks for, if you took them.</source>
        <comment>transit:Jupiter-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Jupiter favours your North Node, growth in the direction you are heading feels less like effort and more like luck. Contacts, courses and offers that fit that path are easier to find. It is tempting to enjoy the ease and stay where you are. Use these weeks to practise the unfamiliar skill or say yes to the unfamiliar group; the progress tends to last beyond the transit.</source>
        <comment>transit:Jupiter-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a few weeks Jupiter pulls at your North Node, and the gap between comfortable habits and the growth you are reaching for can feel wider. An offer may ask for a leap bigger than you are ready to make, and others may question your direction aloud. Alone, you may pick up the brochure for the course, admire it and put it back on the pile, more than once. The tension is worth having: by the time it passes, you may see more clearly which way you are heading and what you can leave behind.</source>
        <comment>transit:Jupiter-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some weeks Jupiter crosses your Lilith, and what you have refused to tame grows louder. It can bring the confidence to say no, to want openly, or to stop shrinking to fit someone else&apos;s comfort. The same swell can turn into defiance for its own sake, the door slammed to make a point. What remains once it passes is more room for the untamed part of you, if you claimed it with care.</source>
        <comment>transit:Jupiter-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter favouring your Lilith, the parts of you that refuse to submit find more acceptance than usual. It is a good time to voice an unpopular view, pursue a desire you have kept private, or spend time with people who do not ask you to be less. Because the ease is quiet, you might not notice the chance. Use it; a boundary stated now is likely to hold.</source>
        <comment>transit:Jupiter-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these weeks Jupiter enlarges your Lilith, and anger at what confines you can grow beyond the moment. Rules at work or at home may chafe, and people who want you to conform can get a sharper answer than their disapproval deserves. Out of sight, the argument is won again and again in your head on the way home. The refusal has truth in it; choose where to stand firm, and you can keep a freedom that is yours along with a clearer sense of its cost.</source>
        <comment>transit:Jupiter-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Jupiter crosses your Chiron, an old wound can feel larger for some weeks, and so can the means to tend it. A teacher, a book or a late-night conversation may offer perspective on a hurt you have carried for years, and it is a good time to help others with what you learned the hard way. The risk is a glib optimism that hurries the ache along. Once it has moved on, the old sore spot can sit more easily with you, if you let the help in.</source>
        <comment>transit:Jupiter-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Jupiter favours your Chiron, helping and being helped come more naturally. Your skill at tending others is noticed, and you may find words or support for an old hurt. Because it asks little, this ease can lead you to give endlessly and leave your own ache for later. Let these weeks include some care for yourself; what you learn now tends to deepen your gift for others.</source>
        <comment>transit:Jupiter-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Jupiter presses on your Chiron, for a week or two or in a loop of months, an old sore spot can feel magnified. A careless remark may land harder than it was meant, and someone may offer a quick fix for a hurt they do not understand. The habit to watch is helping everyone else so busily that your own ache never gets a turn. The season asks for patience more than answers; afterwards the old wound is still yours, but so may be more skill in living with it.</source>
        <comment>transit:Jupiter-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a week or two, longer if it loops, Jupiter crosses your Ascendant, and the way you come across grows warmer and more confident. People tend to notice you and first impressions go well, so it is a good time to start something visible: a new role, a fresh look, a move. The same glow can tip into overpromising or taking more space than a room has. Afterwards you may keep a broader, more open way of introducing yourself.</source>
        <comment>transit:Jupiter-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Jupiter favours your Ascendant, first impressions go well and people respond readily. It suits interviews, introductions and showing yourself more openly, perhaps in a new coat or a new town. Because you are well received, you may rely on charm where preparation is needed. Use these weeks to present what you actually want to be known for; the impression usually stays.</source>
        <comment>transit:Jupiter-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through these weeks Jupiter presses on your Ascendant, and the way you present yourself can run larger than you feel inside. A first introduction may draw promises you cannot keep, and some people may ask more of the confident face than the person behind it can give. A quieter sign is the outfit changed three times before leaving the house. The strain shows where your manner has outgrown you, or you it, and the face you show can come to fit you better.</source>
        <comment>transit:Jupiter-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Jupiter crosses your Midheaven, your work and public standing come into a brighter light for some weeks. It favours applying for the role, taking the stage, or stepping into a position of responsibility. The risk is overcommitment: saying yes to everything because everyone is asking. When it has gone, you keep a reputation that has grown, if you backed the visibility with work you can stand behind.</source>
        <comment>transit:Jupiter-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter favouring your Midheaven, efforts toward your vocation get support from people with standing. It suits a step up, a mentor&apos;s advice, or a project that shows your skill to the right people. The shadow is that ease can make you wait for recognition rather than earn it. Do one thing in these weeks that moves your calling forward; the goodwill tends to persist.</source>
        <comment>transit:Jupiter-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some weeks, and longer if it turns back, Jupiter strains your Midheaven, and ambition can pull hard against what you already carry. A visible role may be offered before you are ready, or someone whose status stands in your way can block the door you wanted. The restless habit is rewriting your job title in your head on every dull afternoon at work. The pull asks whether the bigger aim is really yours; weigh each offer against the life around it, and you can come away knowing the standing you want.</source>
        <comment>transit:Jupiter-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months, often with three exact passes as Saturn turns back and forward, your Sun is asked to take itself seriously. Enthusiasm can run thinner and duties heavier, and praise may be scarce. It is a season to commit: finish the qualification, accept the responsibility, drop what you only did to be liked. What it can leave behind is a self with firmer outlines, earned rather than borrowed.</source>
        <comment>transit:Saturn-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Saturn steadies your Sun, patient work gets results and people in authority tend to trust you. It is a fitting time to set up the routine, sign the long-term commitment or take on a role that asks for maturity. The ease can make everything feel merely dutiful, and you may settle for safe. Lay one foundation in these months, a qualification, a routine you can keep, and it can bear weight for years.</source>
        <comment>transit:Saturn-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Saturn presses on your Sun, for some weeks or months and longer if it turns back, effort runs into resistance: a manager who says not yet, a plan that takes twice as long. People in charge may ask you to prove what you thought was settled. Alone, the loop is the evening audit of everything you have not yet done. The strain is instructive, since it shows what is solid and what was held up by hope; keep working at what matters, and you can stand more firmly on your own.</source>
        <comment>transit:Saturn-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Saturn crosses your Moon, feelings can turn sober for some months and home life asks for responsibility. You may take on more care for family, sort out where and how you live, or notice how much you have been holding in. Loneliness can visit, even in a full house. The season asks you to name your needs plainly and provide for them; in time it can leave steadier emotional ground and a home shaped by what you truly need.</source>
        <comment>transit:Saturn-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn steadying your Moon, composure comes more readily and home matters can be put in order. It suits repairs, sensible routines, a frank talk with family, or making a place that feels safe to come back to. The shadow is a reserve that keeps feelings filed away in a drawer. Build one habit of care for yourself now, the Sunday meal or the early night, and it can comfort you long after.</source>
        <comment>transit:Saturn-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over some months Saturn weighs on your Moon, and moods may run guarded. Family duties can pile up, and someone close may keep their distance just when you want warmth. The quiet habit is putting your own needs last on every list and then resenting the list. The weight asks for honest care of yourself rather than endurance alone: say plainly what you need, and your sense of security can come to rest more on yourself.</source>
        <comment>transit:Saturn-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Saturn settles on your Mercury, and thinking turns careful and serious. It is a good season for study, contracts, writing that needs discipline and planning in detail. The cost is doubt: hesitating over every sentence, seeing problems where there are only questions, leaving the email in drafts for a week. Once it passes you may keep a mind better organised and words that carry weight because you checked them.</source>
        <comment>transit:Saturn-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Saturn steadies your Mercury, focused thought comes more easily and careful work is rewarded. It favours exams, paperwork, structured learning and difficult conversations held calmly. Careful words can turn dry, all fact and no warmth, if nobody asks for more. Master one subject or finish one piece of writing, and the discipline can stay with you.</source>
        <comment>transit:Saturn-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Saturn presses on your Mercury, and plans, papers and conversations may run into delay or a red pen. A reviewer or an office may ask for one more form, one more proof. Privately, the letter is rewritten five times and the reply composed again in bed. The friction demands precision: check your facts and say less but better, and your thinking can come out sharper and more trustworthy.</source>
        <comment>transit:Saturn-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Saturn crosses your Venus, love, friendship and pleasure are weighed for their worth over some months. A relationship may deepen into commitment or show its limits, and spending and taste grow more sober. You may feel less lovable than you are. The season asks what you value enough to keep; what it can leave is affection that has been tested and a clearer sense of what deserves your care.</source>
        <comment>transit:Saturn-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Saturn steadies your Venus, loyal bonds are strengthened and commitments feel natural. It suits formalising a relationship, choosing something made to last, or craft that needs patience. Steadiness can slide into routine, the same restaurant and the same safe choice over the glad one. Give real care to what you want to keep, and bonds tended now can hold.</source>
        <comment>transit:Saturn-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Saturn strains your Venus, for some weeks to months, affection or pleasure can feel rationed. A partner may keep their distance or a friendship cool, and treats you used to allow yourself may drop off the list. The hidden ledger is the count you keep of what you give and what comes back. The strain is a test of what is real: value what lasts over what flatters, and your bonds may come out fewer but truer.</source>
        <comment>transit:Saturn-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Saturn crosses your Mars, and drive is put on a short rein: effort has to be slow and controlled. Frustration can build when things refuse to move, and anger may go underground. It is a good season for hard practical work done with patience and for any task that needs endurance. Done patiently, this season can leave a strength that knows its limits and uses them.</source>
        <comment>transit:Saturn-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn steadying your Mars, disciplined effort pays off. It is good for long projects, steady practice, building something with your hands, or taking charge of a difficult task nobody else wants. The risk is all work and no fire, duty crowding out desire. Finish one thing that needs stamina, the wall rebuilt or the course completed, and the result can be durable.</source>
        <comment>transit:Saturn-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these months Saturn blocks your Mars, and you may feel you are pushing against a wall: a rule, a queue, a delay you cannot hurry. Someone senior can say no to exactly the move you were ready to make. Anger can be swallowed at noon and replayed at night. The resistance has a use, showing where force is wasted and where persistence pays; work steadily rather than harder, and what you take from it is drive with more skill in it.</source>
        <comment>transit:Saturn-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Saturn crosses your Jupiter, hopes are measured against reality for some months. A plan may need scaling, a belief may need testing, or a long-held aim may finally become concrete. It can feel like being told to be sensible. The season rewards patient growth over grand gestures, and it can leave a faith that has been examined and an aim you can actually reach.</source>
        <comment>transit:Saturn-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Saturn steadies your Jupiter, vision and practicality pull in the same harness. Now is a good moment to plan a venture, pursue formal study, or turn an ideal into a structure with a budget and a calendar. A well-drawn plan can feel like the thing itself, and stay in its folder. Put one hope on a timetable in these months; it has a far better chance of taking shape.</source>
        <comment>transit:Saturn-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as Saturn curbs your Jupiter, optimism can run into limits: a door that stays closed, a committee that says wait, a creed that no longer convinces. Someone in charge may pour cold water on the plan you were proudest of. Alone, you may swing between big plans on Monday and gloom by Thursday. The strain asks for realism: prune the aims you cannot tend, and your hopes can become fewer and sounder.</source>
        <comment>transit:Saturn-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is your Saturn return, which comes near the ages of 29 and 58, and for these months, often with three exact passes, it asks what you have built and whether it is truly yours. Commitments may be made or ended, work taken seriously, old rules tested against your own experience. It can feel heavy. Its gift, if you take it, is a life more of your own making, shaped by choices you now own.</source>
        <comment>transit:Saturn-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a point in Saturn&apos;s cycle when your structures work with you rather than against you. For these months, steady effort tends to show results, and plans laid in earlier years can gain a firmer shape. The shadow is that ease can tempt you to stay inside walls that merely feel safe. Use the support to strengthen what deserves it, and what you consolidate now can last well into the next years.</source>
        <comment>transit:Saturn-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a checkpoint in Saturn&apos;s cycle, when the structures of your life are tested against how you have grown. For some weeks or months a job, a routine or a commitment may feel too tight, and people in charge may press for decisions. Watch for the habit of tightening the rules on yourself whenever things feel uncertain. The strain is a review: mend what can be mended and release what cannot, and your frame can come to fit you better.</source>
        <comment>transit:Saturn-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Saturn crosses your Uranus, the wish for freedom and the need for structure work on the same ground for some months. You may give a restless idea a solid form, turning the side project into a fixed weekly hour, or feel a rule pressing on your independence. Change tends to come slowly and deliberately. The season favours reform over revolt, and it can leave a freedom with a framework, sturdier than one won on impulse.</source>
        <comment>transit:Saturn-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Saturn steadies your Uranus, new ideas can be built into lasting forms. It is a good season to organise a change you have long wanted, modernise a tired routine, or make an unusual plan practical. The ease can make you settle for a compromise that keeps nothing new. Make one reform stick, in writing and in the diary, and it can hold.</source>
        <comment>transit:Saturn-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Saturn presses on your Uranus, and the old order and the wish to break free can pull hard against each other. Sudden plans may be blocked by rules, paperwork or people who prefer things as they were. In private, the bag is packed in imagination and unpacked by morning. The standoff asks for a path between rebellion and surrender: change what needs changing at a pace you can hold, and the freedom you win can be one you keep.</source>
        <comment>transit:Saturn-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Saturn crosses your Neptune, and dreams are asked to take a form or be let go. A vision may become a real project with a deadline, a faith may be tested by facts, or an illusion about a person or a place may quietly dissolve. It can feel like disenchantment, the colour drained from a favourite hope. The season rewards giving imagination a discipline, and you may come away with a dream that can bear daylight, or the relief of having set one down.</source>
        <comment>transit:Saturn-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn steadying your Neptune, inspiration and practicality cooperate. It suits disciplined creative work, a spiritual practice with a routine, or service given reliably, week after week. A beautiful timetable drawn up and never followed is the trap. Give one ideal a fixed slot in your week, and it can endure.</source>
        <comment>transit:Saturn-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over some months Saturn strains your Neptune, and hopes may run up against hard facts. A plan can prove vaguer than it looked, and someone may ask for figures where you had only a feeling. Meanwhile duty can crowd out your inner life, and the same daydream returns every evening in place of the quiet hour. The friction clarifies: keep what survives scrutiny, and the ideals left standing can be humbler and more sustainable.</source>
        <comment>transit:Saturn-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Saturn crosses your Pluto, deep pressures come to the surface for some months and ask to be dealt with. You may face a power struggle, leave an arrangement that has outlived its use, or commit to a long, hard change. It can feel heavy and slow. The season favours endurance and honest accounting, and it can leave a strength you have proven and a structure cleared of what no longer holds.</source>
        <comment>transit:Saturn-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Saturn steadies your Pluto, deep work can be done patiently. It is a good time to restructure, to tackle a long-standing problem methodically, box by box and letter by letter, or to take responsibility for your influence over others. Steady progress can let you tidy round the hardest part and leave it standing. Go to the root with patience, and changes made now can last.</source>
        <comment>transit:Saturn-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Saturn bears down on your Pluto, and control, fear or ambition can grow heavy. An authority may refuse to budge, or an institution may demand the one concession you least want to make. The inner grip shows in how tightly you hold a plan, a role or a person, checking and rechecking it. The weight exposes what needs to change; let go of what cannot be held, and your power can rest on firmer, cleaner ground.</source>
        <comment>transit:Saturn-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch, Saturn crosses your North Node, and the direction you are growing toward asks for commitment rather than curiosity. The new path may come with responsibilities attached, a course with exams or a role with a rota, and progress can feel slower than you hoped. The season rewards steady steps over leaps. Steps taken now are slow but can be lasting, and you keep the sense of having chosen them.</source>
        <comment>transit:Saturn-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Saturn steadies your North Node, disciplined effort toward the growth you seek pays off. A mentor, a timetable or a plain routine, such as the same evening each week given to the new skill, can help you practise the unfamiliar. Old skills are the easy fallback, and they can quietly take the new hour over. Commit to one new habit that fits your direction, and in time it can become part of you.</source>
        <comment>transit:Saturn-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Saturn strains your North Node, and moving forward can feel blocked by duties rooted in the past. Relatives or colleagues may count on you to keep playing the old role. Privately, the new start is postponed to next month, and then the month after. The delay asks what you are truly growing toward: take the harder, newer step, and your path can come out clearer for having been tested.</source>
        <comment>transit:Saturn-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Saturn crosses your Lilith, what refuses to be tamed comes up against structure and rules for some months. You may feel pressed to conform, to tone down the clothes, the laugh or the opinion, or you may find a lasting form for your independence. Anger at constraint can run deep and quiet. The season asks for a boundary that is both firm and yours; what can remain is a defiance with discipline, harder to dismiss.</source>
        <comment>transit:Saturn-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn steadying your Lilith, you can give your untamed side a durable form: a boundary kept, a refusal sustained, work that carries your own edge. The shadow is that ease can make you settle for quiet respectability, saying yes at the table while meaning no. Make one stance lasting in these months, and people can learn to respect it.</source>
        <comment>transit:Saturn-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Saturn presses on your Lilith, and authority may push against the part of you that refuses to submit. You may be told once too often how things are done here, or feel judged for your desires by someone with power over your week. The hidden habit is a cold, polite defiance that never quite says no. The strain can teach you where your refusal protects something real; stand your ground with care, and the independence you keep may be the sturdier for it.</source>
        <comment>transit:Saturn-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these months, Saturn crosses your Chiron, and an old wound asks for patient, practical care. Limits you have long felt may become plain, and that can sting. It is a good season to seek steady support or to teach what you know from experience. Its slow work can leave a wound better understood and a skill of tending others that has deepened with time.</source>
        <comment>transit:Saturn-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Saturn steadies your Chiron, tending an old hurt becomes steady work rather than crisis. It is a fitting time for routines of care, structured learning or helping others in a disciplined way. The risk is managing the hurt like a file without ever feeling it. Build something useful from experience, a guide, a practice, a group, and others can lean on it for years.</source>
        <comment>transit:Saturn-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some weeks to months Saturn weighs on your Chiron, and an old sore spot can feel heavier. A remark at work may land exactly where it has long hurt, or someone may set a limit that echoes an old one. The habit to notice is bracing for criticism before anyone has spoken. The weight asks for patience rather than hiding: give the hurt structure and time, and you may carry it more sturdily and have more to offer others.</source>
        <comment>transit:Saturn-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Saturn crosses your Ascendant, the way you present yourself becomes more serious and defined for some months. You may take on a visible responsibility, choose plainer clothes, or feel less at ease in company, and first impressions may read as reserved. The season asks for a manner that matches your real age and standing. Afterwards you may carry yourself with a plainer, more grown-up ease.</source>
        <comment>transit:Saturn-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Saturn steadies your Ascendant, you come across as reliable and capable. It is good for interviews, new roles, or presenting yourself with quiet authority. Reliability can harden into stiffness, the handshake firmer than the smile. Show your competence plainly and let some warmth in; the impression is likely to stay.</source>
        <comment>transit:Saturn-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Saturn presses on your Ascendant, and the way you come across may feel constrained or misread. People can judge quickly, or an interview panel can be cooler than you hoped. The loop is holding back at the edge of the room, then faulting yourself for it on the way home. The strain asks you to be yourself under pressure; show yourself without apology, and by its end your manner may be more your own.</source>
        <comment>transit:Saturn-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months, Saturn crosses your Midheaven, and your vocation and public standing come under review. Efforts of years may be recognised, or a career path may show its limits, and responsibility tends to grow. The season asks whether your public role is the one you want. Once it has moved on, you may keep a reputation built on substance, and clarity about your calling.</source>
        <comment>transit:Saturn-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn steadying your Midheaven, disciplined work toward your calling gains traction, and those in charge tend to notice. Now is a good moment for a promotion, a long-term project, or putting your role on a formal footing. A title can start to matter more than the work behind it. Strengthen what you want to be known for, and it can endure.</source>
        <comment>transit:Saturn-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some months Saturn strains your Midheaven, and career or public standing can feel blocked or burdened. A promotion may be delayed, a critic may speak up, or duties at home may pull against those at work. The quieter habit is measuring yourself against a colleague&apos;s title every time it is mentioned. The burden tests your direction: persist with what matters and drop what is only for show, and your standing can come to rest on sounder work.</source>
        <comment>transit:Saturn-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a year or so, usually with three exact passes as Uranus turns back and forward, your Sun is shaken awake. You may want to change work, town or style of life, and surprises can arrive from outside as well. Not every urge to break free is wise, and the restlessness can tire the people who rely on you. By the time it passes, you may find a self less bound by old expectations and more recognisably your own.</source>
        <comment>transit:Uranus-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Uranus quickens your Sun, change comes more easily than usual and fresh starts feel natural. It is a good season to try the unconventional course, the new field, the haircut you have been sketching in the margins. Novelty can be enjoyed like a holiday and then packed away. Make one genuine break with habit, and the freedom won now can become simply how you live.</source>
        <comment>transit:Uranus-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the better part of a year, Uranus jolts your Sun, and the life you have built may suddenly feel too narrow. Plans can be overturned by events, and people around you may act without warning, a partner announcing a move, a boss reorganising the team. Alone, the restlessness can run in circles: the same escape plan rehearsed at every red light. Some of the shake-up is overdue; change what truly confines you and leave the rest standing, and there can be more room to be yourself.</source>
        <comment>transit:Uranus-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Uranus crosses your Moon, feelings and home life are stirred for some months. You may move house, rearrange a household, or discover needs you did not know you had, and moods can swing without warning. The unsettledness has a point: old comforts may no longer fit. What it can leave is a freer emotional life and a home that suits who you are now.</source>
        <comment>transit:Uranus-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Uranus quickening your Moon, emotional freedom comes easily and change at home feels refreshing rather than threatening. It suits a new arrangement of rooms or routines, new friends, or an honest word about what you need. Moving the furniture can stand in for changing anything that matters. Try one new way of caring for yourself in these months; it can become a habit.</source>
        <comment>transit:Uranus-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Uranus unsettles your Moon, and home, family or moods can feel disrupted. A move or a change in the household may come up, and someone you live with may want space just when you want closeness, or the other way round. The inner swing runs between nesting and wanting out, sometimes in one evening. The upheaval can clear what was stale; let changes happen at a pace you can live with, and your sense of home can grow more flexible.</source>
        <comment>transit:Uranus-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some months Uranus crosses your Mercury, and thinking turns quick, original and restless. New ideas arrive in flashes, you may pick up a new subject or technology, and conversations take unexpected turns. Focus can scatter, and a message sent in haste can say more than you meant. When it has gone, you may keep a mind that has learned new tricks and views old problems from a fresh angle.</source>
        <comment>transit:Uranus-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Uranus quickens your Mercury, inventive thinking comes easily. It is a good time for learning something technical, writing in a new voice, or solving a problem by approaching it sideways. Ideas can pile up in notebooks, each started and none finished. Capture one insight and develop it, and the new angle can become a lasting tool.</source>
        <comment>transit:Uranus-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Uranus jolts your Mercury, and plans, messages and routines can be disrupted. News can redraw your picture of things overnight, and someone may contradict you in public just when you were sure. At your desk it can be the mind changed three times before lunch and the message sent after the second. The friction breaks stale habits of thought; check before you act on a sudden idea, and your thinking can come out freer and sharper.</source>
        <comment>transit:Uranus-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Uranus crosses your Venus, love, friendship and taste are electrified for some months. You may fall for someone unexpected, want more space in a relationship, or change what you find beautiful, from the music you play to the clothes you wear. Stability can wobble. It can leave affection with more room in it, and tastes that are more honestly your own.</source>
        <comment>transit:Uranus-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Uranus quickens your Venus, new people and new pleasures arrive easily. It is a fitting time to widen your circle, refresh a relationship with something unusual, or explore an art you have not tried. The ease can make excitement seem enough and commitment less appealing. Bring one new delight into a lasting bond, a new place or a new shared pastime, and it can keep the bond lively.</source>
        <comment>transit:Uranus-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Uranus unsettles your Venus, and relationships may need more freedom than they have. Attractions can flare and fade, and a partner or friend may ask for space without warning. The inner itch is boredom with what was comfortable and the glance toward whatever is new. The disruption reveals what is alive and what is habit: allow change without breaking what still matters, and your bonds can gain breathing room.</source>
        <comment>transit:Uranus-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some months Uranus crosses your Mars, and energy comes in surges. You may start projects on impulse, quit something abruptly, or feel a sudden urge for independence. Impatience can run hot, and rash moves are possible. The season favours bold, original action guided by a cool head; what it can leave is courage that has been tried, and perhaps a new direction for your drive.</source>
        <comment>transit:Uranus-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Uranus quickening your Mars, bold action comes easily and new ways of working pay off. Now is a good moment to start an independent project, try an unusual approach or take a calculated risk. Left to itself, the ease can tip into restlessness, many starts and few finishes. Carry one innovation through to the end, and the results can surprise you.</source>
        <comment>transit:Uranus-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the months of this transit, Uranus jolts your Mars, and tension or impatience can spike without warning. A rule or a delay may provoke you, and someone else&apos;s abrupt move can set off your own. The loop is the temper that flares at the same trigger each time, the queue, the slow reply, the plan changed by others. The energy is real and can be channelled: pause before the abrupt move and direct the urge into something that deserves it, and your drive may find a freer channel.</source>
        <comment>transit:Uranus-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Uranus crosses your Jupiter, beliefs and hopes are shaken loose for some months. Unexpected chances can arrive, a new philosophy can catch your imagination, or a trip can change how you see things. The risk is chasing every bright idea at once. Afterwards you may hold a wider, less conventional faith and the openings you chose to take.</source>
        <comment>transit:Uranus-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Uranus quickens your Jupiter, growth comes through surprises and fresh perspectives. It is a good season to study something unconventional, travel somewhere unfamiliar, or take an unusual opportunity. Each new horizon can make you hungry for the next before you have looked at this one. Follow one thread all the way, and the wider view is yours to keep.</source>
        <comment>transit:Uranus-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these months Uranus unsettles your Jupiter, and plans for growth can be overturned or redirected. A sudden offer may arrive as an old plan falls through, and a persuasive stranger may sell you a new creed. The repeating pattern is leaping at each new belief and dropping it within the week. Keep the vision but test the method, and what you believe afterwards can be more flexible and better grounded.</source>
        <comment>transit:Uranus-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some months Uranus crosses your Saturn, and the structures of your life come up against the urge to change. A routine, a job or a long commitment may feel suddenly confining, or be shaken from outside by a reorganisation or a new set of rules at work. Fear of losing stability can run high, and so can relief. Handled as reform rather than collapse, it can leave a structure renewed from within, sturdier for having been shaken.</source>
        <comment>transit:Uranus-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Uranus quickens your Saturn, old structures can be updated without breaking them. It is a good time to modernise a routine, reform a way of working, or bring new methods to a long-held responsibility. Tinkering can pass for reform, the new spreadsheet for the same old process. Make one real improvement in these months; it is likely to hold.</source>
        <comment>transit:Uranus-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Uranus strains your Saturn, and security and change can pull hard against each other. A job, a rule or a duty may suddenly feel unbearable, or a reorganisation at work may force a rearrangement you did not plan. In private, the resignation letter is drafted and deleted more than once. The jolt asks which structures still serve: reform rather than demolish, and what stands when it has gone can be more truly yours.</source>
        <comment>transit:Uranus-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus comes back to the place it held at your birth near the age of 84, after a full round of the zodiac, and in the first year or so of life it may turn back over that place once or twice. For the months of this passage, the wish to be free of old patterns is strong, and fresh interests can appear at any age. The risk is restlessness without a target. What it can renew is a sense of your own originality.</source>
        <comment>transit:Uranus-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a point in Uranus&apos;s eighty-four-year round when your urge for freedom flows more easily into life. For these months, change can come without a crisis, and new interests or friends can bring fresh air. An opening that costs nothing can be waved through and forgotten. Make one lasting change toward the life that fits you, and it can remain long after.</source>
        <comment>transit:Uranus-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a checkpoint in Uranus&apos;s eighty-four-year round, when the urge for freedom presses against the life you have built. For some months routines can chafe, and people near you may push for change, a friend who quits, a partner who wants to move. The daydream of a different life can return every time the alarm goes off. Choose which changes matter most; once it passes, there can be more room to live as yourself.</source>
        <comment>transit:Uranus-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Uranus crosses your Neptune, dreams and ideals are stirred in sudden ways for some months. A new spiritual interest, a piece of music that rearranges your week, or an abrupt disillusionment can shift how you see things, and confusion and excitement can arrive in the same hour. It is a time to follow a glimpse without staking everything on it. It can leave a more awakened inner life and ideals that have been aired out.</source>
        <comment>transit:Uranus-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Uranus quickening your Neptune, inspiration comes easily and intuitive leaps feel natural. It is a fitting time for creative experiment, an unusual practice of reflection, or an idea that arrives on a late walk and asks to be written down. The ease can leave you drifting among possibilities, admiring each and keeping none. Ground one vision in a plan or a piece of work, and it can stay alive.</source>
        <comment>transit:Uranus-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Uranus unsettles your Neptune, and ideals, faith or fond illusions can be challenged without warning. A cause you believed in may disappoint, or a hope dissolve at a single remark from someone you trusted. The quieter pattern is drifting off into the same escape whenever things feel too sharp. The shake-up can show what was wishful thinking: keep what still rings true and let the rest go, and your vision can grow clearer and less easily fooled.</source>
        <comment>transit:Uranus-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some months Uranus crosses your Pluto, and deep forces are stirred toward sudden change. A long-held grip, fear or attachment may break open, or you may feel driven to overhaul something from the foundations: the job, the arrangement, the story you tell about yourself. The season can feel intense and unpredictable, and not every break needs making at once. When it has gone, you may keep a freedom won from the depths and a clearer sense of your own power.</source>
        <comment>transit:Uranus-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Uranus quickens your Pluto, deep change can happen with less struggle than usual. Now is a good moment to break a long habit, reform how you use your influence, or let go of something that has held you back for years, perhaps by clearing the room you have avoided since you moved in. The first layer can come away so easily that you stop there. Finish the change, and it can stick.</source>
        <comment>transit:Uranus-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Uranus jolts your Pluto, and power struggles or old fears can surface abruptly. Someone&apos;s control over you may become intolerable, or a change may be imposed that you resist with everything you have. The hidden loop is a fear you thought you had outgrown, back whenever things go quiet. The upheaval can be intense but clarifying, showing what you were holding on to and why; change what needs changing with care, and your power can move more freely.</source>
        <comment>transit:Uranus-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Uranus crosses your North Node, the direction of your growth can take a sudden turn for some months. A new person, an unusual idea or an offer out of nowhere may point you toward unfamiliar ground, and familiar habits can suddenly feel stale. The risk is restlessness that changes everything except direction. What can stay is a step toward the growth you are reaching for, perhaps one you did not plan but are glad you took.</source>
        <comment>transit:Uranus-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Uranus quickens your North Node, growth tends to come through surprises. It is a good season to try something new in the direction you want to go, or to follow an unexpected invitation, a class or a group you would once have passed by. Novelty can stand in for growth, a drawer of first lessons and no second ones. Take one real step along your path, and it can matter later.</source>
        <comment>transit:Uranus-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these months Uranus unsettles your North Node, and your sense of direction can be shaken. An opening may appear and close before you decide, and other people&apos;s sudden changes can pull you off course. Inside, you may swing between old habits that comfort you and new paths that promise more than they explain. The disruption can show what growth you really want: follow the thread that feels alive, and the path may open up.</source>
        <comment>transit:Uranus-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some months Uranus crosses your Lilith, and what you have refused to tame breaks out more boldly. You may defy a rule openly, claim a desire you kept hidden, or startle people who thought they knew you, perhaps at a family table where you used to keep quiet. The freedom can be exhilarating and it has a cost in goodwill. Once it passes you may have an independence more fully yours, and a truer sense of who stays.</source>
        <comment>transit:Uranus-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Uranus quickening your Lilith, your untamed side finds new outlets without much conflict. It is a good time to act on a private desire, dress or speak in a way that is plainly yours, or voice an unpopular truth to people ready to hear it. The chance can be played as a game for a week and then dropped for being agreeable again. Claim one freedom for good, said aloud and kept up, and people can get used to it.</source>
        <comment>transit:Uranus-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Uranus provokes your Lilith, and anger at constraint can burst out suddenly. Someone&apos;s rule about how you should dress, speak or live may chafe, and you may walk out of a room mid-sentence. The itch under it is provoking people simply to see whether they stay. The outburst has truth in it, even when its timing is poor; choose your rebellions and say why, and your independence can be better understood.</source>
        <comment>transit:Uranus-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Uranus crosses your Chiron, an old wound may be touched without warning for some months, and new ways of tending it can appear as suddenly. An unexpected insight, an unfamiliar method or a new acquaintance with a similar story may shift how you carry the hurt. Being jolted where you are tender can sting. Once it has moved on, there can be a freer relationship with the old wound and fresh ways to help others with theirs.</source>
        <comment>transit:Uranus-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Uranus quickens your Chiron, new approaches to an old hurt come more easily. It is a fitting time to try an unusual kind of support, sit in on a group you would once have avoided, or share your experience in a new form, a letter or a talk. The new approach can tempt you to skip the slow, unglamorous part of tending. Take one new step in caring for yourself in these months; it can last for years.</source>
        <comment>transit:Uranus-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Uranus jolts your Chiron, and an old sore spot can be exposed abruptly, by news, a change of plan or a careless word from someone who did not know. Restless and raw, you may want to fix everything at once. The loop is the old reflex that flinches before anything has happened. The disruption can also break a pattern that kept the hurt in place: let the reflex go and try something new, and you may carry the wound more freely.</source>
        <comment>transit:Uranus-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For some months Uranus crosses your Ascendant, and the way you present yourself can change quickly. A new look, a new setting or a freer manner may arrive, and people who knew you may need a second glance. The change can feel abrupt to you and to them. Afterwards your first impressions can say more plainly who you are now.</source>
        <comment>transit:Uranus-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Uranus quickens your Ascendant, it is easy to show a fresher side of yourself. Now is a good moment to change your style, introduce yourself to new circles, or try a less guarded approach with strangers. The ease can keep the change on the surface, a new jacket and the same old caution. Let the change go past the clothes, and the fresher manner can settle in as your own.</source>
        <comment>transit:Uranus-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Uranus unsettles your Ascendant, and the way you come across may be disrupted. People may react to a sharper edge in you, or surprise you with how they see you. The quieter habit is restyling yourself for each new room and feeling a stranger in all of them. The disruption can free you from an image you had outgrown; let yourself change without apology, and your manner can come to fit you better.</source>
        <comment>transit:Uranus-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Uranus crosses your Midheaven, your vocation or public standing may take a sudden turn for some months. A new job, a change of direction or an unexpected opening can arrive, or the old role may simply stop making sense. The disruption can feel exciting and unsettling at once. When it has gone, you may have a calling closer to who you are becoming, and a reputation for doing things your own way.</source>
        <comment>transit:Uranus-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Uranus quickening your Midheaven, changes at work come easily and new directions open. It is a good season to try a new role, bring a fresh method to your trade, or let colleagues see an unusual skill. Interesting side roads can take up every week without leading anywhere. Take one real step toward the work you want, and it can matter.</source>
        <comment>transit:Uranus-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Uranus unsettles your Midheaven, and your career or reputation can be shaken. The ground may shift at work through no choice of your own, or a boss may rewrite your role overnight. The itch underneath is the urge to quit that returns on every difficult day. The disruption can clear the way for a truer calling: decide with care rather than in a temper, and the standing you end with can be one you chose.</source>
        <comment>transit:Uranus-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a year or two, with three exact passes, now and then five, as Neptune turns back and forward, the outlines of your Sun go soft. Goals that once drove you can lose their pull, and you may not know what you want while something gentler and more generous comes forward. It is a time for art, faith, service and patience with not knowing, and a poor one for promising what you cannot yet see clearly. It can leave a self less rigid and more compassionate.</source>
        <comment>transit:Neptune-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Neptune softens your Sun, imagination and sympathy come more easily and ambition loosens its grip a little. It is a good season for creative work, for kindness that asks nothing back, and for an hour alone with music or the sea. Days of good intentions can drift by with no shape. Give the inspiration one concrete form in these months; the form is still there when the haze lifts.</source>
        <comment>transit:Neptune-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a year or two, on and off, Neptune blurs your Sun, and confidence or direction can slip out of focus. Plans may dissolve before they set, and someone may promise to make things simple for you. The inner loop is the question of what you want, asked each morning and left unanswered by night. The fog has a use, loosening an identity held too tightly: keep your commitments near enough to see, and you may come to know what you truly serve.</source>
        <comment>transit:Neptune-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Neptune crosses your Moon, feelings grow porous for a long season. You may absorb the moods of people around you, long for a home that is more ideal than real, or feel a tender pull toward family members who need care. Boundaries at home can blur. It is a time to honour sensitivity without being swamped by it, and it can leave a deeper compassion and a gentler way of looking after yourself.</source>
        <comment>transit:Neptune-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Neptune softening your Moon, intuition and empathy flow easily. It is a good time for quiet evenings, creative play at home, caring for others, and dreams worth writing down in the morning. Soft evenings can crowd out practical needs, the bills on the hall table and the call not returned. Nourish your inner life and the household alike, and the calm you find now can outlast the transit.</source>
        <comment>transit:Neptune-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Neptune clouds your Moon, and moods can become hard to read, your own and other people&apos;s. Family demands may drain you, and someone close may lean on you more than you can bear. The quiet drift is the evening lost to screens or daydreams, repeated until the week has gone. The haze asks for kinder boundaries: say no where you must and rest where you can, and your emotional instincts can grow wiser and harder to sway.</source>
        <comment>transit:Neptune-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Neptune crosses your Mercury, and thinking grows imaginative and diffuse. Poetry, music and intuitive insight come easily; lists, dates and contracts do not. You may misread a message, forget an appointment, or say yes to something you did not fully understand. It is a time to write, dream and double-check. Afterwards you may keep a mind that can hold what words leave out, and a respect for clear notes.</source>
        <comment>transit:Neptune-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Neptune softens your Mercury, imagination and language work well in the same hand. It is a fitting time for creative writing, music, listening closely to people, or learning through images rather than manuals. Listening so well can leave you nodding along where a question was needed. Capture your insights in words, and what you write now can carry feeling.</source>
        <comment>transit:Neptune-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Neptune fogs your Mercury, and misunderstandings can multiply. Messages may go astray, and someone may tell you what you want to hear. An email can be reread five times without its meaning getting any clearer. The confusion asks for care: read before signing, check facts, ask twice, and you may come out of it thinking more subtly and listening better.</source>
        <comment>transit:Neptune-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Neptune crosses your Venus, love and beauty take on a dreamlike quality for a long season. You may fall for an ideal, feel moved to tears by a film on a weekday afternoon, or find that an ordinary relationship suddenly asks for more tenderness than you expected. Illusions in love are easy to form now. Once it has moved on, there can be a deeper compassion, a finer taste, and perhaps a love that has survived being seen clearly.</source>
        <comment>transit:Neptune-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Neptune softens your Venus, romance, art and kindness flow freely. Now is a good moment for creative work, for generous gestures and for gentler dealings with the people you love. The ease can make you idealise a partner or drift through pleasures without choosing among them. Make or give something beautiful in these months, and the feeling can outlast the transit.</source>
        <comment>transit:Neptune-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Neptune clouds your Venus, and love or values can become confused. You may idealise someone who cannot live up to it, or feel let down by a friend who never promised what you heard. The hidden pattern is giving more each time you feel less loved, hoping the gift is noticed. The disillusion has a use, clearing away what was only hoped for: look at people as they are, and the affection that stays is the truer kind.</source>
        <comment>transit:Neptune-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Neptune crosses your Mars, and drive can soften or lose its aim. You may feel unsure what to fight for, find anger slipping away before you can voice it, or be moved to act for a cause larger than yourself. Effort spent without a clear target can leave you flat. It is a time to direct energy toward what inspires you, and it can leave action with a purpose beyond winning.</source>
        <comment>transit:Neptune-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Neptune softening your Mars, effort flows toward ideals and creative aims. It is a good season for dance, music, volunteering, or a project driven by compassion rather than ambition. Waiting to feel inspired can become the reason not to lift a finger. Put your energy behind one vision, and it can carry you further than force would.</source>
        <comment>transit:Neptune-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Neptune undermines your Mars, and motivation can waver. Conflicts may be hard to pin down, and someone may work against you out of sight. The inner pattern is starting with a rush, drifting off halfway, then starting again. The fog asks for patience and honesty about what you want: act only where the aim is clear, and your drive may settle into something gentler and more sincere.</source>
        <comment>transit:Neptune-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Neptune crosses your Jupiter, faith and imagination expand together for a long season. Spiritual interests, art, travel to places that feel mythical, or generous service can open new horizons. The risk is believing too readily, in a guru, a scheme or a promise that sounds beautiful. It can leave a wider compassion and a faith that has learned to ask questions.</source>
        <comment>transit:Neptune-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Neptune softens your Jupiter, idealism and generosity flow easily. It is a good time for spiritual study, creative work, travel, or giving your time to a cause. Generosity can run past what you have, and belief past what you have checked. Ground one ideal in practice, and the vision can stay alive afterwards.</source>
        <comment>transit:Neptune-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these months Neptune blurs your Jupiter, and hopes can outrun reality. A scheme may sound better than it is, and a teacher or creed may be idealised until it disappoints. The loop is the next promise believed just as the last one fades. The confusion asks for discernment: check the facts behind the faith, and the beliefs you keep can be humbler and more honest.</source>
        <comment>transit:Neptune-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Neptune crosses your Saturn, and structures you relied on may begin to dissolve. A job, a routine or a firm belief can lose its solidity, and old fears may feel vague and hard to name. It is a time to let go of what no longer holds, while keeping the duties that still matter. When it has gone, you may have a structure rebuilt around your ideals, less rigid and more humane.</source>
        <comment>transit:Neptune-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Neptune softens your Saturn, discipline and imagination can share the work. It is a fitting time to give a dream a practical form, such as a set hour each morning for the painting, or to bring more compassion into a job you take seriously. The practical steps can be left for later, and later keeps moving. Set one vision on a steady base, the same hour, the same table, and it can outlive the mood that started it.</source>
        <comment>transit:Neptune-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Neptune erodes your Saturn, and security can feel uncertain. Rules or responsibilities at work may be vague, defined by nobody, and a routine that used to hold can shift under you. Alone, you may doubt what you have achieved and take on one more duty to prove it. The strain asks you to tell real duties from imagined ones: keep what is solid and release the rest, and you can stand on truer ground.</source>
        <comment>transit:Neptune-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Neptune crosses your Uranus, ideals and the urge for freedom run into each other for a long season. You may be drawn to visionary causes, unusual spiritual paths or artistic experiment, and the future can look luminous and vague at once, like a town seen through mist. The risk is drifting among possibilities without choosing. What can stay is a broader imagination and a freedom that serves something beyond yourself.</source>
        <comment>transit:Neptune-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Neptune softening your Uranus, inspiration and originality flow easily. Now is a good moment for creative or spiritual experiments, for finding people who share an unusual interest, or for imagining a different shape of life on paper. Dreaming can replace acting, the plan forever in the notebook. Try one new idea in practice, even for a month, and it can change what you think possible.</source>
        <comment>transit:Neptune-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Neptune clouds your Uranus, and the wish for change can turn confused or restless. A cause may promise more than it delivers, and a friend&apos;s plan to get away can sound like yours. The escape can be imagined again and again without a destination. The haze asks for clarity before the leap: tie your hopes to concrete steps you can name, and your picture of freedom can grow wiser.</source>
        <comment>transit:Neptune-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune returns to the place it held at your birth only in the first year or so of life, as it turns back and forward over that place; a full round of the zodiac takes it about 165 years. If this transit falls in a chart&apos;s early months, it speaks of a time steeped in the atmosphere of home, in moods and images absorbed before words. What remains from such a season is an imaginative sensitivity that colours later years.</source>
        <comment>transit:Neptune-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a point in Neptune&apos;s long round when your ideals and imagination flow more easily into daily life. During these months, art, faith, compassion and quiet reflection can deepen, and you may find meaning in unexpected places, a choir, a garden, a stranger&apos;s kindness. The glow can be enjoyed on a Sunday and gone by Monday&apos;s first email. Give your dreams a shape, a weekly hour, a practice, a place, and the shape can outlive the season.</source>
        <comment>transit:Neptune-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a checkpoint in Neptune&apos;s long round, when your ideals and illusions are tested against experience. For these months old dreams may lose their glow, and someone whose beliefs you shared may go another way. The question of why you started can come back each time a plan stalls. The haze has a purpose, clearing away what was borrowed from others: keep what still moves you, and your faith may end up your own rather than inherited.</source>
        <comment>transit:Neptune-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Neptune crosses your Pluto, and deep currents of feeling rise toward the surface. Old fears or attachments may dissolve quietly, a grudge may simply lose its heat, or you may feel drawn into something powerful and hard to name. It is a time for honesty with yourself and for letting go without forcing. It can leave a sense of inner renewal, and a power that feels less like control and more like depth.</source>
        <comment>transit:Neptune-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Neptune softens your Pluto, deep change can happen gently. It is a good season for reflection, for releasing an old pattern without a fight, or for creative work that draws on what lies beneath the surface. You may sense the depth and still stay in the shallows. Let one old attachment go in these months, and the lightness can outlast the transit.</source>
        <comment>transit:Neptune-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these months Neptune clouds your Pluto, and deep fears or compulsions can surface in confusing ways. You may be drawn into other people&apos;s intrigues, or not know what you are holding on to until someone asks you to let go. Out of sight, a suspicion returns each time things go quiet. The fog asks for honesty: face what rises and loosen your grip, and you may see your own inner strength more clearly.</source>
        <comment>transit:Neptune-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Neptune crosses your North Node, the direction of your growth can feel unclear and inspired by turns for a long season. You may be drawn toward spiritual, creative or caring paths, while goals that once seemed obvious lose their meaning. The risk is drifting without steering, waiting for a sign. Once it has moved on, you may find a sense of direction guided more by meaning than by habit.</source>
        <comment>transit:Neptune-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Neptune softens your North Node, growth tends to come through imagination and compassion. It is a good time to follow an intuition in the direction you want to grow, to volunteer, make something or listen more than you speak. Signs can be waited for instead of acted on. Take one inspired step, and it can lead somewhere.</source>
        <comment>transit:Neptune-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Neptune clouds your North Node, and your direction can feel uncertain. A flattering picture of where growth lies may dissolve when you get close, and advisers can point every way at once. The loop is waiting for a sign before each step, then doubting the sign when it comes. The fog asks for patience and a plain test of each hope: follow what feels genuine in practice, and your direction can grow more honest.</source>
        <comment>transit:Neptune-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Neptune crosses your Lilith, and what you refuse to tame can take on a dreamlike or hidden quality. Desires you kept out of sight may surface as fantasies, art or longing, and an old refusal may blur into yielding. The risk is losing your edge in the haze, agreeing to keep the peace. What can outlast it is a refusal grown more compassionate and more creative.</source>
        <comment>transit:Neptune-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Neptune softening your Lilith, your untamed side finds creative and imaginative outlets. It is a fitting time to give a hidden desire a form in music, writing or dress, or to honour quietly what you refuse to give up. The desire can stay in fantasy, a story you tell yourself at night. Bring one part of it into your days, in what you wear, make or say, and it can become real.</source>
        <comment>transit:Neptune-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Neptune clouds your Lilith, and your refusals may turn confused or secret. Someone may talk you round where you meant to resist. Underneath, a resentment is nursed out of sight, the no that is felt but never said. The haze asks for clarity about what you refuse to surrender: name it plainly to yourself and one other person, and your independence can grow truer.</source>
        <comment>transit:Neptune-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Neptune crosses your Chiron, an old wound may soften for a long season and become easier to hold, or it may ache in a vague, hard-to-name way. Compassion for yourself and for others can deepen, and you may find yourself the one people confide in. The risk is sinking back into old pain, replaying it like a familiar song. When it has gone, you may keep a gentler relationship with the wound and a deeper gift for caring.</source>
        <comment>transit:Neptune-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Neptune softens your Chiron, compassion and the skill of tending flow easily. Now is a good moment for caring work, for expressing an old hurt through art or letters, or for quiet reflection on what it taught you. Kindness can run past what you have, listening to everyone but yourself. Tend yourself as well, and what you learn now can outlast the transit.</source>
        <comment>transit:Neptune-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Neptune clouds your Chiron, and an old hurt may feel diffuse and hard to pin down. Other people&apos;s needs may drain you, and someone may lean on your kindness harder than they know. The habit is slipping away from your own feelings into busyness or dreams. The fog asks for gentle clarity: name what hurts and tend it, and you may carry it more lightly and help others with more skill.</source>
        <comment>transit:Neptune-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Neptune crosses your Ascendant, and the way you come across softens and blurs. People may see in you what they hope to see, or you may feel unsure how you appear, checking your reflection twice before going out. It is a time for gentleness and care with first impressions. Afterwards you may meet strangers with a more open, compassionate face.</source>
        <comment>transit:Neptune-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Neptune softens your Ascendant, you come across as sympathetic and imaginative. It is a good season for creative self-presentation, for caring roles, and for putting strangers at ease. The ease can make you vague about who you are, agreeing with whoever spoke last. Show your gentleness with clear edges, and people can learn where you begin and end.</source>
        <comment>transit:Neptune-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Neptune clouds your Ascendant, and others may misread you or cast you in roles that are not yours: a colleague sees a rescuer, a stranger someone easy to talk round. The drift inside is becoming whatever a room expects and forgetting which face was yours. The haze asks for honesty about yourself: show yourself as you are, plainly, and the face you show can be more honestly yours.</source>
        <comment>transit:Neptune-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Neptune crosses your Midheaven, your vocation may be drawn toward ideals, art or service for a long season, and plain ambition can soften. Your public standing can turn hazy or inspired, sometimes both in one month. The risk is drifting away from work without choosing a new one. What can remain is a calling that serves something larger than a title.</source>
        <comment>transit:Neptune-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Neptune softening your Midheaven, inspiration flows into your work and others notice its warmth. It is a good time for creative or caring roles, or for work done for a cause you believe in. Meaning can be waited for instead of built, day by day, at the desk. Bring one ideal into your work in these months, and it can shape the job you do for years.</source>
        <comment>transit:Neptune-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these months Neptune clouds your Midheaven, and career direction or reputation can feel uncertain. A role may change shape under you, and misunderstandings at work can gather around who agreed to what. On slow afternoons the doubt about your path comes back. The fog asks for patience and clear records of what you agreed: hold to what matters most, and your calling can come clearer.</source>
        <comment>transit:Neptune-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a year or two, often with three exact passes as Pluto turns back and forward, your Sun is pressed toward a deep change. Roles you identified with may fall away, power questions with bosses, partners or yourself can come to a head, and you may find a strength you did not know you had. It can feel like being taken apart and rebuilt in slow motion. By the time it passes, you may find a self more honest, harder to push around, and less attached to appearances.</source>
        <comment>transit:Pluto-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Pluto deepens your Sun, you have unusual power to change your life from the inside. It is a good season to commit to a demanding goal, end a habit that drains you, or take charge of something others have let slide, and your resolve tends to impress people. Because the change comes without crisis, you may not notice how much is possible. Renew one part of your life at the root, the job, the habit, the role, and what you rebuild now can hold for years.</source>
        <comment>transit:Pluto-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Pluto grinds at your Sun, and you may find yourself in a contest of wills: a boss who wants control, a partner who refuses to yield an inch. Something you built your sense of self on may be stripped back. Inside, ambition can demand more each time you feed it. The pressure is hard, and it also shows you what cannot be taken from you: let go of what is finished, and the authority left can be your own.</source>
        <comment>transit:Pluto-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Pluto crosses your Moon, for a long season feelings run deep and strong, and family or home matters can come to a turning point. Old emotional patterns surface, a bond may be tested to its core, or you may feel a fierce wish to protect or to let go. It is a time to face what you feel without letting it rule you. Once it has moved on, there can be an emotional life cleared of old debris and a surer sense of what you need.</source>
        <comment>transit:Pluto-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Pluto deepening your Moon, emotional insight comes more easily, and you can change long-standing patterns at home or within yourself. It is a fitting time for honest family conversations, sorting through what you keep and what you clear out of the attic, or understanding a feeling that has puzzled you for years. The attic can be sorted while the feeling under it is left alone. Go to the root, and a quieter house, within and without, can follow.</source>
        <comment>transit:Pluto-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Pluto stirs the depths of your Moon, and family tensions may come to a head, or a bond may feel like a tug of war. A relative may hold on tight, or you may. The undercurrent is jealousy, old sorrow or the urge to run the household, returning whenever you feel unsafe. The intensity is a chance to see what has been driving you: let feelings surface without acting them out, and you can come to hold your emotions rather than they you.</source>
        <comment>transit:Pluto-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Pluto crosses your Mercury, and thinking turns deep, probing and intense. You may research a subject to its roots, uncover a secret, or find a conversation that changes your mind for good. Obsessive thoughts can circle, and words can carry more force than you mean. It can leave a mind that sees beneath the surface and speaks with more weight.</source>
        <comment>transit:Pluto-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Pluto deepens your Mercury, research, investigation and persuasive speech come more easily. Now is a good moment to dig into a question, write about something that matters, or have the conversation that clears the air. Sharp insight can be used to win rather than to understand. Pursue one line of thought to its end, and what you learn can be yours for good.</source>
        <comment>transit:Pluto-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Pluto presses on your Mercury, and thoughts or conversations can turn intense, suspicious or combative. You may argue to win, or feel that someone is steering you with half-truths. Alone, a conversation can be replayed word by word in the early hours. The pressure can sharpen your perception: say what you mean and no more, and your thinking can grow deeper and harder to fool.</source>
        <comment>transit:Pluto-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Pluto crosses your Venus, love, desire and values run deep and intense for a long season. A relationship may transform, a passion may take hold, or you may face jealousy, possessiveness or a hunger you cannot explain. It is a time to see what you truly value and why. When it has gone, you may keep love with more depth and honesty, and a sense of your own worth that runs deeper than charm.</source>
        <comment>transit:Pluto-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Pluto deepens your Venus, passion and commitment come easily, and a relationship can grow more intimate than it has been. It is a good season to deepen a bond, put real feeling into creative work, or look honestly at the pattern behind your choices in love. The shadow is that ease can make you hold on too tightly, checking the phone for a reply that is only late. Let love go deeper without gripping, and the bond can grow stronger.</source>
        <comment>transit:Pluto-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Pluto grips your Venus, and relationships can turn intense, possessive or tangled in questions of power. A partner may try to set all the terms, or a rival may enter the picture. The hidden loop is the fear of being left, rehearsed before anyone has moved. The intensity shows what you truly value and what you merely cling to: refuse games of control on either side, and your love can grow stronger and truer.</source>
        <comment>transit:Pluto-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Pluto crosses your Mars, and drive becomes fierce and single-minded. You may take on an enormous task, stand up to someone who has pushed you for years, or find a stamina you did not know you had. Anger can run deep, and the wish to win can become compulsive, the argument carried on long after it mattered. What can stay is a power you have tested and learned to use with control.</source>
        <comment>transit:Pluto-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Pluto deepening your Mars, determination and staying power come easily. It is a good time for a demanding project, a long campaign, or any task that needs concentrated force, from rebuilding a business to clearing years of clutter in a weekend. The ease can tempt you to push others around simply because you can. Pour your energy into one thorough effort in these months, and what you build can stand for years.</source>
        <comment>transit:Pluto-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these months Pluto stokes your Mars, and conflicts can turn intense or drawn out. Someone may want to dominate, and your own anger can rise to a pitch that startles you, over a parking space or a tone of voice. The fight can go on in your head long after the other person has gone home. The heat asks you to use force wisely and to see what the fury protects: fight only what must be fought, and what grows is strength that is better governed.</source>
        <comment>transit:Pluto-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Pluto crosses your Jupiter, ambitions and beliefs are deepened and remade for a long season. You may pursue a large goal with fierce dedication, question a faith you grew up with, or find yourself with new influence in a group or a field. The risk is wanting too much power or too much certainty. Afterwards you may hold a faith that has been tested to its roots and ambitions that rest on depth rather than show.</source>
        <comment>transit:Pluto-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Pluto deepens your Jupiter, growth comes through depth and commitment. It is a fitting time to pursue a long-term goal, study something demanding, or use your influence for someone else&apos;s good. A large vision can sit on the shelf, admired. Commit to one large aim and give it regular hours, and it can grow.</source>
        <comment>transit:Pluto-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Pluto tests your Jupiter, and ambitions or beliefs can run up against powerful forces. A struggle for influence may break out in a club, a firm or a family. In private a creed can crumble under questions you keep asking and cannot answer. The test turns on what you truly believe: hold to what proves real, and your faith can grow deeper and less brittle.</source>
        <comment>transit:Pluto-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Pluto crosses your Saturn, and the structures of your life come under deep pressure. A career, a commitment or a set of rules you lived by may need rebuilding from the foundations, and fear of losing control can run high. Authority, yours or someone else&apos;s, may be tested hard. It is a time for endurance and honest accounting rather than patching. Once it has moved on, it can leave a structure rebuilt on firmer ground, and an authority you have earned.</source>
        <comment>transit:Pluto-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Pluto deepens your Saturn, lasting change can be made through patient effort. Now is a good moment to restructure a business or a household, commit to a long discipline, or take responsibility for a problem others have avoided for years. Patching can feel like enough where rebuilding was possible. Lay a foundation meant to last, and it can hold.</source>
        <comment>transit:Pluto-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Pluto bears down on your Saturn, and structures or authorities can feel crushing. A boss, an institution or a duty may refuse to bend, and something you worked hard for may no longer stand as it did. The fear of losing control can be answered, each time, with one more rule for yourself. The weight reveals what was built on fear and what on substance: keep building what deserves it, and the foundations you rebuild can be more honestly yours.</source>
        <comment>transit:Pluto-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Pluto crosses your Uranus, for a long season the urge for freedom is driven from the depths. You may break with a situation that has confined you, throw yourself into a cause, or find your views on independence changing at the root. Changes can be sudden and far-reaching, and not all of them need making at once. It can leave a freedom that has been fought for and that you know how to keep.</source>
        <comment>transit:Pluto-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Pluto deepening your Uranus, radical change can happen with surprising ease. It is a good season to reform a habit, reinvent a way of working, or act on a long-held wish for independence, such as the move or the change of field you have been sketching for years. The surface can change while the core stays put, the new desk and the old job. Let the renewal go deep, and it can outlast the transit.</source>
        <comment>transit:Pluto-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Pluto strains against your Uranus, and control and freedom can struggle hard. Others may resist any change you propose, or hold the keys to the door you want to open. The inner loop is feeling trapped, then planning the break-out that never quite starts. The struggle asks you to find the change that truly matters and pursue it without wrecking what works, so that the freedom you gain is one you can hold.</source>
        <comment>transit:Pluto-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Pluto crosses your Neptune, and dreams and ideals are pressed toward their roots. A faith may deepen or fall away, an illusion may be exposed, or a creative vision may take hold with new force. It can feel disorienting, as if the colours of things were changing. When it has gone, you may keep an inner life that has been cleared and deepened, and ideals that can bear weight.</source>
        <comment>transit:Pluto-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Pluto deepens your Neptune, inner life and imagination can be renewed with little struggle. It is a good time for spiritual practice, creative work drawn from deep feeling, or letting an old illusion go quietly, the way a hope can fade without a quarrel. The work can stop half done, the fog half lifted. Give your deepest ideal a form, and it can endure.</source>
        <comment>transit:Pluto-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Pluto sounds the depths of your Neptune, and ideals or illusions can be shaken at the root. A cause or a person may disappoint, and situations may arise where truth is hard to find. The hope you keep reviving after the evidence has gone against it is the quieter pattern. The pressure asks you to look clearly at what you hoped for: let go of what proves false, and your ideals can grow deeper and more sustainable.</source>
        <comment>transit:Pluto-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto comes back to the place it held at your birth only in the first years of life, as it turns back and forward over that place; a full round of the zodiac takes it about 248 years. If this transit falls in a chart&apos;s early months or years, it speaks of a time when deep currents in the family and its surroundings were taken in before words. What remains from such a season is an instinct for what lies beneath the surface that colours later years.</source>
        <comment>transit:Pluto-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a point in Pluto&apos;s long round when your capacity for deep change flows more easily into life. Over these months, you may find it easier to let go of what has run its course, to commit to something that matters, or to use your influence with care. Because nothing forces the change, it can be put off year after year. Renew one part of your life at the root, the habit you have outgrown or the role you keep from duty, and the renewal can last.</source>
        <comment>transit:Pluto-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a checkpoint in Pluto&apos;s long round, whose timing varies widely from one birth year to another because Pluto moves at such an uneven pace. For a year or two questions of power and control come to the fore, and people with authority over you may test your resolve. An old way of being can be shed and put back on more than once. The pressure can feel relentless; face what needs to change, and you can come out more fully yourself.</source>
        <comment>transit:Pluto-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Pluto crosses your North Node, the direction of your growth is pressed with unusual force for a long season. You may feel compelled toward a new path, cross paths with people who change your course, or find old habits impossible to keep up, like a role at home that no longer fits. The pull can feel overwhelming, yet the choices remain yours. What can stay is a deeper commitment to the growth you are reaching for.</source>
        <comment>transit:Pluto-North Node:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Pluto deepens your North Node, growth comes through depth and commitment rather than trial and error. It is a fitting time to pursue your direction wholeheartedly, letting go of one comfort that has held you back, a group you stay in from habit or a job kept out of fear. Half-measures can feel like progress. Commit fully to one step forward in these months, and it can carry you far.</source>
        <comment>transit:Pluto-North Node:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For as long as this lasts, Pluto drags at your North Node, and your direction can feel contested by forces larger than you. People may want to steer your course for their own reasons. The inner loop is being dragged back into old habits just as you reach for something new, again and again. The drag asks what you truly want to become: choose the harder, truer path, and the direction left can be firmly yours.</source>
        <comment>transit:Pluto-North Node:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Pluto crosses your Lilith, and what you refuse to tame gathers deep power. Hidden desires or long-held anger may rise with force, and you may finally refuse to bow to someone or something that has had a hold on you, a family rule or an old bargain. The intensity can be alarming and freeing at once. Afterwards there can be an untamed strength you can own without shame and use with judgement.</source>
        <comment>transit:Pluto-Lilith:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Pluto deepening your Lilith, your untamed side can be claimed and used with quiet power. Now is a good moment to hold a boundary without explaining it, or to honour a desire that others frown on, calmly and in the open. That force can be wielded carelessly, winning points you did not need. Claim one refused part of yourself fully; it is likely to stay.</source>
        <comment>transit:Pluto-Lilith:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through this stretch Pluto digs into your Lilith, and struggles over what you refuse to give up can grow intense. Someone may want to control you, or to make you pay for a freedom you took. Anger or desire can feel bigger than its cause and keep circling back to the same grievance. The pressure shows what you truly refuse, and why: stand firm without cruelty and without apology, and the strength you keep may be wholly yours.</source>
        <comment>transit:Pluto-Lilith:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Pluto crosses your Chiron, an old wound can be pressed to its depths for a long season. Pain you thought settled may resurface in a new setting, an argument that sounds like one from long ago, but so may the chance to understand it at the root. It can feel intense and exposing. Once it has moved on, there can be a wound that has been faced, and a deep skill in helping others with theirs.</source>
        <comment>transit:Pluto-Chiron:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As long as Pluto deepens your Chiron, an old hurt can be tended at the root with less struggle than usual. It is a good season for honest reflection, for a long talk with someone who shares the history, or for helping others from your own experience. One good talk can be mistaken for the whole work. Face one old pain fully, and the relief can last for years.</source>
        <comment>transit:Pluto-Chiron:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these months Pluto probes your Chiron, and an old wound can feel raw. A criticism, or a familiar kind of silence from someone close, may touch the hurt exactly where it lies. The inner loop is guarding the sore place so hard that nothing can reach it, not even help. The probing asks for honesty and patient care: face what hurts rather than guarding it, and you may carry it with more strength and offer more to others.</source>
        <comment>transit:Pluto-Chiron:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a long season Pluto crosses your Ascendant, and the way you present yourself can change at depth. You may alter your appearance, your manner or your surroundings, and others may find you more intense or commanding, quieter and harder to read. It can feel like shedding a skin that had grown too tight. Afterwards the way you enter a room can carry more depth and presence.</source>
        <comment>transit:Pluto-Ascendant:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Pluto deepens your Ascendant, you come across with quiet authority, and people tend to take you seriously at first sight. It is a good time to present yourself with depth and confidence, in an interview, a new group or a hard negotiation. The shadow is that ease can make you intimidating without meaning to, the silence read as judgement. Show strength with warmth, a question asked, a smile that reaches the eyes, and people can trust the authority they sense.</source>
        <comment>transit:Pluto-Ascendant:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For these months Pluto bears on your Ascendant, and the way you come across can become intense or contested. Others may try to define you or push you into a role. The mask can be polished again each morning for fear of what shows without it. Being pushed can show you your true face: stand as you are, and your presence can grow stronger and more your own.</source>
        <comment>transit:Pluto-Ascendant:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As Pluto crosses your Midheaven, your vocation and public standing may be remade for a long season. A career may be rebuilt, the balance of power at work may shift, or you may take on a role of real influence and find it heavier than it looked. The pressure can be intense and the stakes feel high. When it has gone, you may keep a calling that reflects who you have become, and an authority you have earned.</source>
        <comment>transit:Pluto-Midheaven:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Pluto deepening your Midheaven, your working life can be strengthened through commitment and depth. It is a fitting time to take on serious responsibility, pursue a meaningful goal, or become the person others turn to when a project is in trouble. A reputation already made can carry you without your noticing that you have stopped. Commit to the work you want to be known for, and the standing can grow.</source>
        <comment>transit:Pluto-Midheaven:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Over these months Pluto contests your Midheaven, and struggles for power at work or in public life can arise. An authority may want control, a rival may want the same position, or your reputation may come under scrutiny. The plan to secure your place can be checked and rechecked late at night. The contest asks what you want to stand for: hold your ground on what matters, and you may end with a reputation that rests on substance.</source>
        <comment>transit:Pluto-Midheaven:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of purpose and your North Node pull in one direction, so becoming more fully yourself is the road ahead. Growth tends to come when you step forward and let yourself be seen: the hand raised in the meeting, the plan signed with your own name. The familiar pull is to stay in a supporting role that once felt safe. Choosing visibility, even while it feels exposed, is where your life opens out.</source>
        <comment>point:North Node-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will and your North Node work in the same cause, so when you act from conviction you tend to be moving where your life wants to go. Chances to lead or create come without much pushing. The ease has a shadow: you may coast on old strengths, repeating the performance that earned praise years ago. Taking on one fresh challenge that makes you nervous keeps the road ahead in view.</source>
        <comment>point:North Node-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will and your North Node work at cross purposes: the praise you want and the growth you need lie in different places. You may chase recognition in a role you have outgrown, or resent the people who hold the spotlight your path asks you to earn. Pride keeps steering you back down the road behind you. Letting it follow the new direction, clumsy at first, builds a self you can stand behind.</source>
        <comment>point:North Node-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings and your North Node speak with one voice, so the way forward runs through home, care and belonging. You may grow most through the people you nurture and the rooms you make safe. The trap is clinging to comfort you know, the same chair and the same Sunday rituals, long after they stop feeding you. Treating your moods as signposts rather than walls keeps you moving.</source>
        <comment>point:North Node-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your instincts tend to point the way your North Node asks you to grow, so a gut feeling about a move, a friendship or a home is often worth following. Family ties and old friends can help carry you forward. Because comfort comes readily, you may settle into a cosy routine and mistake it for the destination. Asking each year whether a routine still nourishes you keeps your instincts pointed forward rather than back.</source>
        <comment>point:North Node-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your need for safety and your North Node keep tugging against each other: the road ahead asks for change just when you want your own kitchen and your own people. You may feel torn between family claims and a life of your own, or fall back on moods that kept you safe as a child. Each time you choose growth while still tending your feelings, you build a security that travels with you.</source>
        <comment>point:North Node-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mercury lends its voice to your North Node, so learning, talking, writing and asking questions are your way forward. A course, a notebook or a conversation with a stranger on a train may change your direction more than any grand plan. Its weak spot is restless fact-collecting, or repeating views picked up long ago without testing them. Saying what you actually think, and learning from the replies, keeps the path open.</source>
        <comment>point:North Node-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ideas, conversations and useful skills tend to carry you toward your North Node, and the right book or contact often turns up when you need it. You pick up what your path asks for without much strain. The risk is that a quick mind settles for clever talk about growth instead of the work of it. A list of what you mean to learn, with a date beside each line, carries you further than any clever conversation.</source>
        <comment>point:North Node-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your habits of thought and your North Node do not quite speak the same language, so you may argue for views that keep you where you are. Other people tend to poke holes in your reasoning just where change is due, and an old mental script replays whenever a new idea asks for room. Hearing a challenge as information rather than attack gives you a mind that grows with you.</source>
        <comment>point:North Node-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you love and value is fused with your North Node, so relationships, beauty and the things you cherish shape where your life goes. You may grow most through partnership, art, or finding out what you truly want. The pitfall is drifting toward whatever is pleasant, or pleasing others to keep the evening calm. Choosing what you value over what merely flatters you keeps love pointed where you are growing.</source>
        <comment>point:North Node-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affection, taste and a knack for getting on with people tend to open doors in the direction of your North Node. Friends and partners may nudge you toward growth, and the pleasant choice and the right one often overlap. The cost is that charm can carry you past lessons you would rather skip. Letting a relationship challenge you, and not only comfort you, makes the most of this ease.</source>
        <comment>point:North Node-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What pleases you and what would make you grow keep pulling apart: the partner, the comfort or the style you reach for may belong to the road behind you. You may find yourself drawn to people who repeat an old pattern, or giving in to keep things sweet. Learning what you value now, not what you were taught to want, lets your love travel in the direction of your North Node.</source>
        <comment>point:North Node-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your North Node run on one current, so courage, initiative and honest effort are how you move forward. You may grow by starting things, defending what matters and taking the risk others talk themselves out of. The shadow is impatience: charging ahead, or picking a fight when the way forward asks for aim rather than force. Spending your fire on the goal that stretches you, rather than on the nearest quarrel, is where your courage pays.</source>
        <comment>point:North Node-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy comes readily when you move toward your North Node, and you tend to have the nerve to take the next step when it appears. Sport, work or a cause can put your drive in line with your path. Its pitfall is busyness: a full diary of action that does not stop to ask where it leads. Your nerve does most for you when it goes into one aim that frightens you a little.</source>
        <comment>point:North Node-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your North Node tend to cross each other, so effort can go into battles that belong to your past. You may clash with people who block the way, or run on an old reflex of fighting first and asking later. At other times the anger turns back on you as frustration with your own progress. Learning when to push and when to wait gives you a courage that serves where you are going.</source>
        <comment>point:North Node-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Jupiter throws its weight behind your North Node, so travel, study, teaching and wider horizons are the way forward. You may feel lifted by a sense that life has more to show you than your upbringing suggested. The danger is overreach: big promises, too many plans, a belief that more must be better. Grounding your hopes in a few real steps keeps this generous outlook on course.</source>
        <comment>point:North Node-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optimism and good timing tend to help you along your North Node&apos;s road, and teachers, mentors or chances to travel may appear when you need them. You grow by saying yes to what widens your world. The risk is taking luck for granted and waiting for the next opening instead of making one. Committing to a course of study or a journey of your own choosing gives the luck somewhere to take you.</source>
        <comment>point:North Node-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hopes and your North Node point different ways: a plan, a creed or a charismatic teacher may keep you on old territory while promising new. Others may lecture you, or you them, when the real question is where you are heading. Wanting more can stand in for growing. Testing each big belief against an ordinary week leaves you with a wisdom that is your own.</source>
        <comment>point:North Node-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of duty and your North Node are fused, so your path asks for patience, structure and responsibility taken on by choice. Growth tends to come slowly, through work that takes years to show. The shadow is heaviness: fear of failing can make you cling to safe rules and postpone the first step. Accepting a long apprenticeship, without waiting to be perfect, lets this discipline build a life that lasts.</source>
        <comment>point:North Node-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discipline and patience tend to serve your North Node, so the plan you stick to and the skill you practise daily carry you where you want to go. Older people, institutions or mentors may offer steady support. Where it falters is in playing safe for too long, choosing the sensible road because it is sensible. Your reliability serves you best when it carries one ambition you would be sorry never to have tried.</source>
        <comment>point:North Node-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duty and your North Node pull against each other: obligations, rules or fear of judgement can hold you on familiar ground. You may feel blocked by authorities, or hear an inner examiner insisting you are not ready yet. Delay can become a habit dressed up as prudence. Each step taken despite the doubt builds a self-respect that no one else can grant.</source>
        <comment>point:North Node-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your North Node is charged with your Uranus&apos;s urge to be free and different, so your path runs through change, invention and breaking with the expected. You may grow through sudden turns: a move abroad, a new field, a friendship that shakes your views. Pushed too far, it can turn to rebellion for its own sake, leaving before anything has a chance to root. One lasting commitment, a person, a place or a craft, gives all that change something to grow around.</source>
        <comment>point:North Node-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Openings for change tend to arrive at the right moment, and you grow toward your North Node by trying what no one in your family or circle has tried. Friends, groups and new tools can help you along. The risk is collecting novelties without letting any of them change you. One unconventional path, followed long enough to change you, outweighs a dozen tried for a season.</source>
        <comment>point:North Node-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your North Node and your need for freedom tend to clash, so sudden upheavals can throw you off course or back onto old ground. You may be drawn to people who upend your plans, or catch yourself breaking things just as they start to work. Starting over can become a substitute for progress. Choosing change deliberately, not by explosion, makes for a freedom you can actually live in.</source>
        <comment>point:North Node-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your North Node is steeped in your Neptune&apos;s imagination, compassion and longing for something beyond the everyday. You may grow through art, music, service or a spiritual search. The shadow is drifting: waiting for a sign, losing your outline in other people&apos;s needs, or choosing the dream over the next practical step. Giving your ideals a form, a practice or a timetable keeps the search from dissolving into waiting.</source>
        <comment>point:North Node-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intuition and sympathy tend to guide you toward your North Node, and you may sense the next step before you can explain it. Creative or caring work can carry you forward gently. The price can be vagueness, letting the years happen to you instead of choosing them. Writing your hunches down and acting on the ones that hold up gives your quiet inner voice a record you can trust.</source>
        <comment>point:North Node-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your North Node and your longing for escape tend to tangle, so confusion, wishful thinking or other people&apos;s illusions can lead you astray. You may trust the wrong person, or slip back into a comforting fantasy whenever the path asks for effort. This strain teaches discernment: checking facts, naming what you want and keeping faith with ideals you can test build a clearer road.</source>
        <comment>point:North Node-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your North Node is fused with the urge to go deep, so your path runs through intensity, crisis and renewal. You may grow by facing what others avoid: power, secrets, the end of arrangements that no longer serve. Its darker side is control, holding too tightly to people or plans. Letting go of what has run its course, and trusting what grows back, is the renewal your path keeps asking for.</source>
        <comment>point:North Node-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth and resilience tend to support your North Node, so hard experiences can become the source of real strength. You may have a gift for research, for rebuilding trust, or for steering others through change. The risk is relying on intensity and finding ordinary progress dull. Your capacity for renewal does its best work on patient, everyday goals: the friendship rebuilt over years, the skill relearned from scratch.</source>
        <comment>point:North Node-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your North Node and your need for control tend to wrestle, so power struggles and old fears can keep you on familiar ground. You may cross paths with people who try to dominate you, or find yourself gripping a situation long after it has changed. A wish to be safe from every loss can block each new step. Letting go by choice, a little at a time, earns a strength that needs no grip.</source>
        <comment>point:North Node-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of self is fused with your Lilith, the untamed and exiled part of you, so you tend to stand out by declining what is expected. You may have been told you were too much, and decided to be it anyway. The trouble comes with defiance as a reflex, pushing people away before they can judge you. Owned without the need to prove it, this wildness can carry a quiet, magnetic authority.</source>
        <comment>point:Lilith-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will draws readily on Lilith&apos;s untamed streak, so you can say no, break a silly rule or stand alone without much agony. People sense an independence in you that cannot be bargained away. The trap is coasting on that edge until rebellion is only a pose, the black jacket with nothing behind it. Saved for something you truly care about, your no carries real weight.</source>
        <comment>point:Lilith-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your wish to shine and your Lilith, the self that was once sent out of the room, pull against each other, so pride and exile take turns. People may try to put you in your place, or being yourself may feel as if it costs you acceptance. Part of you shrinks to be liked, then rages at the shrinking. Standing by what you are, neither hidden nor flaunted, builds a self no one can talk you out of.</source>
        <comment>point:Lilith-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Moon and your Lilith feel as one, so your needs can be fierce and refuse to be dismissed. You may have learned early that some emotions were not welcome at the table, and felt them all the more strongly for it. The hard part is a swing between swallowing a need and letting it burst out. Needs given a name and a place, without apology, stop ambushing you and start to guide you.</source>
        <comment>point:Lilith-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You tend to trust your instincts even when they are unwelcome, and to care for others without trying to tame them: your Lilith and your Moon keep easy company. Emotional honesty comes readily, including the feelings polite company hides. The catch is using that frankness to keep people at a distance. Letting others see your soft needs as well as your fierce ones invites them closer.</source>
        <comment>point:Lilith-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your need for comfort and your Lilith, which will not be domesticated, keep pulling apart, so home can feel like a cage and freedom like exile. You may rebel against people who expect you to nurture on their terms, or feel ashamed of needs that look too big. Wanting closeness and then bolting from it can become a pattern. A home with a wild corner in it builds a belonging that fits.</source>
        <comment>point:Lilith-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mercury speaks with your Lilith&apos;s refusal to be silenced, so you tend to say what others keep back. You may have a gift for naming the taboo, the unfair or the hypocritical in a room that would rather stay polite. The shadow is sharpness for its own sake, speaking to shock rather than to be heard. Aimed at what truly matters, your candour carries a rare and useful bite.</source>
        <comment>point:Lilith-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can put unspoken things into words with ease, so difficult truths come out clearly rather than cruelly; your Lilith lends your Mercury nerve. Writing, debate or frank conversation may be where your independence shows best. The temptation is holding back because it is simpler, keeping your boldest thoughts for a diary no one reads. Saying them aloud, at the right moment, lets your mind do its real work.</source>
        <comment>point:Lilith-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your way of speaking and your Lilith, the voice once told to hush, rub against each other, so you may bite your tongue and then say far too much. Others may wave your ideas away, or you may provoke them just to test whether anyone is listening. The comeback you should have made can play in your head for days. Learning to speak plainly the first time gives you a voice that need not shout.</source>
        <comment>point:Lilith-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your way of loving is shot through with your Lilith, so desire and independence are bound up in you. You may be drawn to what others call unsuitable, and attract partners who sense your edge. The knot is wanting to be desired while resenting any claim on you. Loving on your own terms, and telling partners plainly what those terms are, keeps this magnetism honest.</source>
        <comment>point:Lilith-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desire and self-respect keep good company in you, so you can enjoy pleasure without shame and set limits without fuss; your Lilith gives your Venus a spine. People may find you alluring precisely because you do not try to please. Taken for granted, that ease can drift into ties that ask nothing of you. Choosing relationships that welcome your whole self, edges included, keeps desire and respect in the same room.</source>
        <comment>point:Lilith-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you desire and your Lilith, the part of you that no one gets to own, pull against each other, so attraction can come with a fight for freedom. You may draw partners who try to possess you, or push away anyone who gets close enough to matter. The forbidden can hold more charm than the available. Naming what you want without shame makes a love with room for your wildness.</source>
        <comment>point:Lilith-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mars and your Lilith burn as one flame, so anger and desire come out strong and unapologetic. You may refuse to back down when pushed, and fight hardest against being controlled or talked down to. The shadow is a temper that flares out of proportion to the moment, the door slammed over a remark. Channelled into a cause, a craft or a sport, this fierce energy gives you staying power others lack.</source>
        <comment>point:Lilith-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Courage and a refusal to be pushed around come naturally to you, so you can defend yourself or others without freezing; your Lilith feeds your Mars. Your energy has a raw directness people notice. Relying on that nerve can leave the art of bargaining unlearned. Pointing your fire at what truly needs changing, and choosing your fights, earns you allies as well as respect.</source>
        <comment>point:Lilith-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your Lilith, the part of you that does not submit, keep grating on each other, so anger may be held in until it bursts. You may bristle at anyone who tries to dominate you, or take up fights that are not yours. An old insult can replay for weeks, sharpening each time. Finding a clean outlet for that heat, in work or a demanding craft, gives you a force you can direct.</source>
        <comment>point:Lilith-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Jupiter takes up your Lilith&apos;s refusal of borrowed rules, so you tend to build beliefs of your own. You may question religion, authority or custom out loud, and find wisdom in what others call heresy. The irony to watch for is a rebellion that hardens into a creed as rigid as the one you left. A belief you are still willing to revise after a hard year is one that stays your own.</source>
        <comment>point:Lilith-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your search for meaning sits comfortably with your Lilith&apos;s untamed streak, so you can explore unconventional ideas without losing your footing. Travel, study or teaching may give your rebel side a generous outlet. The risk is praising freedom in theory while living a cautious life. Acting on the values you speak of, in the choices of an ordinary week, gives them substance.</source>
        <comment>point:Lilith-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hopes and your Lilith, which bows to no one, keep arguing, so you may swing between grand faith and angry disbelief. Teachers, institutions and anyone who claims the last word can provoke you. When you feel hemmed in, an urge to overdo everything can flare. Shaping a philosophy with room for what was refused builds a wisdom with both feet on the ground.</source>
        <comment>point:Lilith-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Saturn and your Lilith are bound up in each other, so rules and rebellion live close together in you. You may have faced strict limits early and learned to endure them on your own terms. The shadow is a hard shell that keeps feeling out and people at arm&apos;s length. Building structures that serve your independence, rather than tame it, gives you an authority that is truly earned.</source>
        <comment>point:Lilith-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discipline and independence help each other along in you, so you can hold your ground steadily without making a scene; your Saturn gives your Lilith patience. You may be good at working within a system while keeping your own counsel. The price is quiet endurance that lets a wrong go unchallenged. Using that patience to change what needs changing, not only to outlast it, is where your quiet stubbornness pays.</source>
        <comment>point:Lilith-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Authority and your Lilith, the self no one gets to shame, keep colliding, so rules, bosses or an inner judge can weigh on you. You may have been punished or belittled for being yourself, and still brace for it in every appraisal. Months of careful restraint can end in one sharp act of defiance. Each honest boundary you set builds a dignity that does not wait for permission.</source>
        <comment>point:Lilith-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Uranus doubles your Lilith&apos;s urge for freedom, so you tend to be an outsider by temperament. You may break taboos, leave situations suddenly and refuse any box others build for you. What it costs is a restlessness that cannot settle even where you are welcome. Your difference finds its use when it is joined to a purpose, or to people who share it.</source>
        <comment>point:Lilith-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Independence and originality come readily to you, and you can step outside convention with little guilt; your Uranus and your Lilith egg each other on. You may feel at home among misfits, inventors and people who live differently. Freedom that comes this readily can go unused. Lending your nerve to changes others need, not only to your own escapes, is where your freedom starts to count for others too.</source>
        <comment>point:Lilith-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your urge for freedom and your Lilith, the part that slips every leash, spark off each other, so rebellion can arrive in bursts. You may chafe against people who want you predictable, or cut ties before anyone can bind you. The bags packed at the first hint of routine are a familiar sight. Choosing which freedoms matter, and defending those, makes your independence last.</source>
        <comment>point:Lilith-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your imagination is fused with your Lilith, so you may be drawn to what is hidden, forbidden or mysterious. Dreams, art and longing can give voice to what you were told to keep quiet. The shadow is escaping into fantasy, or casting yourself as the misunderstood one. Giving your visions form, in a song, a story or caring work, lets this depth reach other people.</source>
        <comment>point:Lilith-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intuition and an unashamed inner life feed each other in you, so you sense what others repress and can speak to it gently. Art, music or a spiritual practice may come easily, with your Lilith adding a dark, honest note. The pull is toward private worlds that leave the daily task undone. Sharing what you perceive, in a song, a poem or a late conversation, lets others borrow the courage of your inner life.</source>
        <comment>point:Lilith-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your longings and your Lilith, the want you were taught to hide, tend to blur, so you may carry a vague guilt about desires you cannot name. Others may pin their fantasies on you, or you on them. Hiding what you want and then resenting its absence can run quietly for years. Putting those longings into plain words yields a clarity that frees both sides of you.</source>
        <comment>point:Lilith-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Pluto lends its depths to your Lilith, so you tend to feel things with great force and to keep much of it hidden. You may be drawn to power, secrets and the parts of life others avoid looking at. At its worst it is a wish for control that shows as coldness or score-settling. What you have buried loosens its hold once you face it honestly and without shame, and the force it took to hide is yours to spend.</source>
        <comment>point:Lilith-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth and defiance make a sturdy pair in you, so you can face crises and taboos without flinching; your Pluto gives your Lilith a steady nerve. People may trust you with what they tell no one else. Held too long in reserve, that power goes to waste. Situations that need a fearless witness are where that strength belongs.</source>
        <comment>point:Lilith-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hunger for control and your Lilith, the part of you that will not kneel, keep wrestling, so power struggles may mark your closest ties. You may draw people who try to dominate you, or test them to see who yields first. A humiliation can be brooded over long after everyone else has forgotten it. Letting go of the need to win leaves you a strength no one can take.</source>
        <comment>point:Lilith-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of self is fused with Chiron&apos;s old hurt, so being seen and feeling not quite enough may go hand in hand. You may doubt your right to shine, or push hard to prove you belong in the room. The same sore place gives you a gift for helping others find their confidence. When you tell your story rather than hide it, your purpose and your tenderness grow into one.</source>
        <comment>point:Chiron-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your will and your Chiron keep easy company, so you can turn past difficulty into useful understanding without much drama. You may encourage others naturally, especially the newcomer who doubts they belong. What it can miss is your own hurt, treated as settled when it still asks for care. Giving yourself the patience you give others means your own story gets a hearing too.</source>
        <comment>point:Chiron-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your wish to shine and your Chiron catch on each other, so a bruise to your pride can feel larger than it is. People may belittle you, or you may belittle yourself before they get the chance. Proving your worth on Monday and doubting it by Friday can become a rhythm. Each time you act without waiting for approval, you build a confidence that can help others find theirs.</source>
        <comment>point:Chiron-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Moon carries Chiron&apos;s ache, so care, home and being looked after can be tender ground. You may have felt unseen in your needs and learned to look after everyone else instead. Out of it comes a gift for comforting people in distress, and friends may ring late at night knowing you answer. Letting someone tend you in return keeps this kindness from running dry.</source>
        <comment>point:Chiron-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Moon has made peace with your Chiron&apos;s ache, so you tend to know how to soothe others without being told. People may bring you their worries because you listen without judging. The shadow is caring for everyone while your own needs wait in the hall. Making room for your feelings as well as theirs keeps the listener from vanishing behind the listening.</source>
        <comment>point:Chiron-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your need for comfort and your Chiron rub against each other, so closeness can stir a hurt you thought was past. You may draw people who lean on you heavily, or feel that no one quite understands what you need. Expecting disappointment can shape how you ask for care, or whether you ask at all. Learning to nurture yourself first builds a tenderness you can offer without cost.</source>
        <comment>point:Chiron-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiron&apos;s sore place sits in your Mercury, so learning, speaking or being understood may once have felt hard. You may have been called slow or odd, or simply talked over at the dinner table. That early struggle is what makes you good at explaining things to those who find them hard. Trusting your own way of thinking, and teaching it to others, is where the old embarrassment quietly stops mattering.</source>
        <comment>point:Chiron-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mercury and your Chiron understand each other, so you can find words for pain that others cannot name. You may be a natural teacher, writer or listener for people who feel misunderstood. It is easy to explain everyone else&apos;s hurts and leave your own unspoken. Your words reach furthest when they include your own experience, not only other people&apos;s.</source>
        <comment>point:Chiron-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your way of thinking and your Chiron grate on each other, so fear of sounding foolish can stop your words halfway. Others may dismiss your ideas, or you may dismiss them first. What you said, and how it might have landed, can be replayed long into the evening. Speaking anyway, plainly and without apology, gives you a voice others can borrow until they find their own.</source>
        <comment>point:Chiron-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiron&apos;s wound runs through your Venus, so worth, beauty and affection may be tender subjects. You may doubt that you are lovable, or give too much to be sure of being kept. The same wound lets you see the beauty in people who feel unloved. Learning to receive as well as give lets this sensitivity warm your relationships.</source>
        <comment>point:Chiron-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affection softens your Chiron&apos;s sore place, so you can love people without needing them to be perfect. Friends may find comfort in your acceptance and your eye for what is lovely in them. The risk is settling for less because you understand so well why others fall short. Asking out loud for the care you offer keeps your acceptance from becoming a bargain in which you ask for nothing.</source>
        <comment>point:Chiron-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you love and your Chiron catch on each other, so rejection can cut deep and praise can be hard to believe. You may draw partners who hurt you in a familiar way, or hold back for fear of it. Counting the replies to a message as a measure of your worth can become a habit. Valuing yourself first makes for ties that need not be earned again each week.</source>
        <comment>point:Chiron-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mars and Chiron&apos;s bruise are knotted together, so asserting yourself or showing anger may once have been risky. You may fight hard for others while hesitating to fight for yourself. Having known powerlessness, you can teach courage to people who feel it now. Once you allow yourself anger and use it cleanly, the fight for others no longer has to stand in for your own.</source>
        <comment>point:Chiron-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Courage comes readily to your Chiron&apos;s aid, so you can act on behalf of the vulnerable without flinching. You may be good at coaching, protecting or spurring others to try again. Your own battles can go unfought while you wage everyone else&apos;s. Keeping some of that energy for your own goals puts your name on the list of people you protect.</source>
        <comment>point:Chiron-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your Chiron collide, so effort can stall just when it matters or flare at the wrong target. People may provoke that sore spot, or your strength may feel not quite enough for the task. Pushing too hard and then giving up can become a cycle. Learning to pace your effort gives you a courage you can lend to others who struggle to act.</source>
        <comment>point:Chiron-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiron&apos;s tender spot colours your Jupiter, so faith, learning or a sense of larger purpose may have been tested early. You may find wisdom in your own difficulties and want to pass it on. The pitfall is offering answers too readily, or hoping one grand belief can mend every ache. Letting your teaching come from lived experience, not a borrowed creed, is what makes people listen.</source>
        <comment>point:Chiron-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Jupiter lends hope to your Chiron, so you can help people find meaning in hard times. You may teach, counsel or simply lift spirits without much effort, the friend people call after bad news. The shadow is a breezy optimism that skips over real pain. Staying with difficulty long enough to understand it gives your encouragement weight.</source>
        <comment>point:Chiron-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hopes and your Chiron pull against each other, so faith can waver just when you need it. Teachers may disappoint you, or you may promise more help than you can give. The search for the one answer that would make it all right can start again with each new book. Accepting partial answers builds a wisdom others can trust.</source>
        <comment>point:Chiron-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of duty is fused with Chiron&apos;s scar, so authority, failure or a harsh standard may have left a mark. You may work twice as hard to feel half as safe. The contact is shared by many people born in the same stretch of time; the houses it occupies and the personal planets it touches make it yours. The same wound makes you a patient guide for anyone struggling with limits.</source>
        <comment>point:Chiron-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Saturn gives your Chiron patience, so you can turn hardship into steady, useful skill. You may be good at helping a friend rebuild a routine after a setback, one ordinary morning at a time. Many born around the same time share this, and your houses show where it is yours. The shadow is enduring too much in silence because you know how; resting when the work is done keeps your endurance humane.</source>
        <comment>point:Chiron-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of duty and your Chiron press on each other, so criticism or failure can land heavily. Authorities may echo your worst fears about yourself, or you may set standards no one could reach. Shared by many born around the same time, it becomes personal through your houses and personal planets. Each fair limit you keep builds a maturity that can steady others.</source>
        <comment>point:Chiron-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiron&apos;s old hurt is bound up with your Uranus&apos;s urge to be different, so feeling like an outsider may be part of your story. You may have been the odd one out and learned to make something of it. Your whole age group carries some of this, and it becomes personal through the houses it falls in and the personal planets it reaches. Your gift is helping others accept their own strangeness.</source>
        <comment>point:Chiron-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Chiron and your Uranus spur each other on, so you can find unusual remedies for old problems. You may help people who do not fit by showing them a side door no one else noticed. Many born in the same years share this contact, and your houses show where it is yours. The blind spot is solving other people&apos;s pain while staying detached from your own; letting the insight reach you as well completes it.</source>
        <comment>point:Chiron-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Chiron and your urge to be free jolt each other, so sudden changes can reopen an old sore. You may walk away from help just as it arrives, or find that breaking free hurts more than you expected. Many people born in the same years share this, and it becomes personal where it falls in your chart. Staying with change long enough to grow through it gives you an unusual resilience.</source>
        <comment>point:Chiron-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Chiron is steeped in your Neptune&apos;s compassion and longing, so you may feel others&apos; pain almost as your own. Many born around the same time share this contact; your houses and personal planets show where it is personally yours. The shadow is losing yourself in sacrifice or escape. Art, music or quiet service can give this sensitivity a form that helps.</source>
        <comment>point:Chiron-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Neptune lends your Chiron imagination, so you can soothe others with art, kindness or simply your presence. Many people born in the same years share this gift; your houses show where it lives. The trap is hoping hurt dissolves by itself if left alone. Compassion given a practical shape, a rota, a skill, a regular visit, reaches further than sympathy alone.</source>
        <comment>point:Chiron-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Chiron and your longing for something perfect tend to blur, so disappointment can become a familiar ache. You may trust people who cannot help, or give until there is little of you left. Many born in the same years share this contact, and it becomes personal through your houses and personal planets. Clear boundaries build a compassion that does not cost you yourself.</source>
        <comment>point:Chiron-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Chiron and your Pluto act as one, so pain may have come wrapped in upheaval. Many of your contemporaries share it; your houses, and any personal planet it touches, say where it is yours. You may have a gift for staying beside others through their hardest stretches of change. Letting go of what you no longer need to carry deepens that gift.</source>
        <comment>point:Chiron-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Chiron and your Pluto lend each other depth, so you can face hard truths and help others face them. Many people born in the same years share this contact, and the houses it touches in your chart show where it is personal. The cost can be taking on others&apos; burdens as a matter of course. Choosing which weight to carry, and setting down the rest, is how you stay strong enough for the next hard stretch.</source>
        <comment>point:Chiron-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Chiron and the pull toward control keep wrestling, so pain may feel bound up with who holds the upper hand. Forceful people may press on your sore spot, or you may keep a hurt close as armour. Many born in the same years share this contact; your houses and personal planets make it your own. Loosening the grip a little at a time leaves room for a deeper resilience.</source>
        <comment>point:Chiron-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Sun shines straight through your Ascendant, so who you are shows plainly in how you come across, and people tend to know you at first glance. You walk into a room as yourself, warm, confident or at least unmistakable. The shadow is having nowhere to hide: a bad day shows as clearly as a good one, and a cool reception can feel personal. Letting your presence be generous, not only visible, makes room for others in the light.</source>
        <comment>point:Ascendant-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your purpose shows easily through your Ascendant, so you tend to make a good first impression and carry it through. People may trust you quickly because you look like what you are. The catch is relying on that ease and leaving deeper connection to chance. Real interest in the person in front of you is what brings people back for a second conversation.</source>
        <comment>point:Ascendant-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of purpose and your Ascendant pull different ways, so people may read you differently from how you mean to come across. You may look brash when you feel unsure, or retiring when you feel strong, and partners may seem to shine in the very way you hold back. Letting your manner catch up with your purpose shows people the person you mean them to meet.</source>
        <comment>point:Ascendant-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Moon colours your Ascendant, so your feelings show in your face, and people tend to read your mood before you say a word. You come across as responsive, approachable and easily touched. The other side is moodiness that tints every first impression, or soaking up the atmosphere of each room like weather. A few steady routines give this openness a dependable shape.</source>
        <comment>point:Ascendant-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your feelings warm your Ascendant, so you tend to put people at ease and come across as caring. Strangers in a queue may tell you things they would not tell a friend. The price can be becoming the one everyone leans on without asking for anything back. Offering warmth while keeping your own needs in view lets you give that ease freely without being spent by it.</source>
        <comment>point:Ascendant-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your inner needs and your Ascendant pull apart, so how you feel and how you come across can differ sharply. You may show a calm face while churning inside, or let a mood spill into an introduction. Others may misread you as cold or as fragile, and you may not correct them. Saying plainly what you feel makes you someone people can trust.</source>
        <comment>point:Ascendant-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mercury animates your Ascendant, so people tend to know you first as quick, curious or talkative. You may fill silences easily and read a room in seconds. The shadow is nervous chatter, or a cleverness that keeps people at arm&apos;s length. Listening as well as you speak makes this bright manner welcoming.</source>
        <comment>point:Ascendant-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thought and your Ascendant work smoothly in step, so you tend to come across as articulate and easy to talk to. Introductions, interviews and chat at the bus stop may come naturally. It is tempting to stay on the surface because it is comfortable there. Letting a conversation go deeper when it can shows people there is more to you than a quick reply.</source>
        <comment>point:Ascendant-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your way of thinking and your Ascendant trip each other up, so words can come out wrong just when first impressions count. You may talk too much when nervous, go blank when you most want to be sharp, or leave the talking to a partner who always has the words. What you said in an introduction can be replayed for days afterwards. Practising a few plain sentences about yourself builds an ease that holds under pressure.</source>
        <comment>point:Ascendant-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Venus graces your Ascendant, so people tend to find you pleasant, graceful or attractive at first sight. You may have a good eye for dress and setting, and a knack for making guests comfortable. The trap is relying on being liked, and smoothing over every friction to keep it. Letting people see your opinions as well as your grace gives your charm backbone.</source>
        <comment>point:Ascendant-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Venus lends your Ascendant grace, so you tend to make people feel welcome without trying. Style, tact and a friendly face may open doors for you. Goodwill can be taken for granted, and anything awkward sidestepped. Your charm does its best work easing the way for someone else, or for a difficult truth.</source>
        <comment>point:Ascendant-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you value and your Ascendant pull apart, so you may try too hard to please or hide your warmth behind a guarded face. Others may like your surface and miss what you care about. Checking how you look and sound can eat away at your ease, one glance in the shop window at a time. Letting your manner show your real tastes builds an attractiveness that is your own.</source>
        <comment>point:Ascendant-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mars puts its edge on your Ascendant, so people tend to see you as direct, energetic or even combative at first sight. You may act before you think and say the blunt thing before the polite one. The drawback is an impatience that puts people on guard. Pointing your energy at tasks rather than at people lets your directness be felt as help, not attack.</source>
        <comment>point:Ascendant-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mars lends your Ascendant energy, so you tend to come across as capable, brave and ready to act. People may look to you to take the first step when a group hesitates. The risk is rushing in where a pause would serve better. A question or two before you charge in earns you trust as well as admiration.</source>
        <comment>point:Ascendant-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your Ascendant grind against each other, so you may come across as more aggressive, or more hesitant, than you feel. People may push back early, or you may push first. You may brace for a contest in every new office or classroom. Learning to arrive gently and still hold your ground earns you respect.</source>
        <comment>point:Ascendant-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Jupiter broadens your Ascendant, so strangers tend to take you for warm, expansive and good company. You may fill a room with enthusiasm and make newcomers feel welcome. The pitfall is promising more than you can deliver, or talking over quieter people without noticing. Matching your big-hearted presence with follow-through means people count on you, not only enjoy you.</source>
        <comment>point:Ascendant-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Jupiter gives your Ascendant a buoyant cast, so you tend to make a hopeful, open first impression. Opportunities may come through people who take to you at once. The shadow is coasting on good humour when effort is due. That easy goodwill goes furthest behind a real plan, with a date and a first step.</source>
        <comment>point:Ascendant-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hopes and your Ascendant tug in different directions, so you may overstate yourself or lecture when you mean to connect. Others may find you too much, or you may find them narrow. Over-promising and then quietly retreating can become a pattern. Measuring your words against what you can do keeps your warmth credible.</source>
        <comment>point:Ascendant-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Saturn lends its reserve to your Ascendant, so you can strike people as serious, capable and older than your years. You may hold back until you know the ground, and stand at the edge of a party until someone you know arrives. The shadow is a guarded face that keeps warmth out of view. Letting a little ease into your presence makes your reliability approachable.</source>
        <comment>point:Ascendant-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Saturn steadies your Ascendant, so you look dependable and composed. People may hand you responsibility early. The risk is settling into a sensible role and keeping your playful side out of sight. Allowing yourself to be seen at ease, as well as at work, rounds out this steady presence.</source>
        <comment>point:Ascendant-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of duty and your Ascendant weigh on each other, so shyness, stiffness or self-consciousness can colour a first impression. You may feel judged the moment you enter a room, or find that partners and colleagues take the part of the strict one with you. Waiting until you are sure can cost you openings. Each time you step forward anyway, you build an authority that wears well.</source>
        <comment>point:Ascendant-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Uranus is fused with your Ascendant, so others often find you unusual, surprising or hard to place. You may dress, speak or move in ways that break the expected. Though Uranus moves slowly, the Ascendant makes this contact yours rather than your generation&apos;s. The shadow is unpredictability that leaves others unsure how to approach you; consistency makes your difference magnetic.</source>
        <comment>point:Ascendant-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Uranus gives your Ascendant a fresh edge, so you strike people as inventive and at ease with the unusual. Friends may prize you as stimulating company. The catch is the friendly distance you keep in order to stay free. Letting a few people close without losing your edge makes you more than good company.</source>
        <comment>point:Ascendant-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your urge for freedom and your Ascendant jolt each other, so you may come across as abrupt, contrary or restless. People may find you unsettling, or you may bolt when a situation feels fixed. A new haircut or a new plan can appear whenever you feel pinned down. Choosing where to be unconventional builds a presence that surprises without alarming.</source>
        <comment>point:Ascendant-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Neptune softens the edges of your Ascendant, so you come across as gentle, elusive or hard to pin down. Others may project their hopes onto you at first sight. The Ascendant moves fast, so this slow planet&apos;s touch is personal to you. The shadow is becoming whatever each person expects; knowing your own outline, and stating it, keeps this soft presence true.</source>
        <comment>point:Ascendant-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Neptune softens your Ascendant, so you come across as kind, artistic and easy to confide in. You may pick up the mood of a room at once, and know who needs a kind word before they ask. The cost is drifting with whatever company you keep. Creative or caring work gives that receptiveness somewhere to go besides other people&apos;s moods.</source>
        <comment>point:Ascendant-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your longings and your Ascendant tend to blur, so people may not know what to make of you, or may see someone you are not. You may be misread, idealised or overlooked, and slip away when pinned down. Vagueness about your intentions can spare others disappointment and cost you trust. Clear, simple statements of what you want help others know where they stand with you.</source>
        <comment>point:Ascendant-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Pluto charges your Ascendant, so you may strike people as magnetic, private or a little formidable at first sight. You may watch a room before revealing anything. This is a personal mark, not a generation&apos;s, since the Ascendant moves quickly. The downside is a guarded stare that keeps people wary; letting some warmth through makes this presence compelling rather than daunting.</source>
        <comment>point:Ascendant-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Pluto gives your Ascendant quiet depth, so you tend to come across as composed, perceptive and quietly strong. People may turn to you in a crisis, when a room needs someone who does not panic. Yet you may hold your power in reserve and keep yourself unknown. That composure does the most good when you lend it to others as they falter.</source>
        <comment>point:Ascendant-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your need for control and your Ascendant wrestle, so you may come across as more guarded or more forceful than you intend. A contest of wills can start in the first minutes of knowing someone. You may test people before you trust them. Letting yourself be seen a little at a time builds a strength that needs no armour.</source>
        <comment>point:Ascendant-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Sun is fused with your Midheaven, so you tend to be known for what you do and to want a role in public view. Recognition may matter a great deal, and a job title can feel like a name. The shadow is letting the work stand in for your whole identity, so a bad review wounds the person as well as the project. Keeping a life outside your title gives this ambition a steady centre.</source>
        <comment>point:Midheaven-Sun:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Sun backs your Midheaven, so you tend to find work that lets you be yourself, and colleagues can tell you mean what you do. Recognition may come without much strain, a promotion you did not have to campaign for. The temptation is a comfortable position below your reach. Setting a goal that asks more of you keeps the ease from going slack.</source>
        <comment>point:Midheaven-Sun:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of self and your Midheaven pull against each other, so the work you do and the person you are may not feel aligned. You may clash with employers, chase a title that does not fit, or feel most yourself at home, away from any title. Wanting recognition and distrusting it once it comes can pull you both ways. Shaping your career around what you actually value builds a standing you can own.</source>
        <comment>point:Midheaven-Sun:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Moon steers your Midheaven, so care, sensitivity or work that touches home and family can become your public face. Your public life can follow your moods more than you like. The snag is needing the workplace to feel like a family, and taking office politics to heart. A vocation that lets you look after people, with clear limits, gives your feelings useful work without making every meeting personal.</source>
        <comment>point:Midheaven-Moon:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Moon guides your Midheaven gently, so you may find a calling in caring, feeding, housing or teaching. Colleagues may rely on you as the steady presence in the team. The risk is staying in a cosy job because it feels like home. Your instincts, trusted toward the role you truly want rather than the one that feels safe, are the best career guide you have.</source>
        <comment>point:Midheaven-Moon:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your need for comfort and your Midheaven tug against each other, so home and career can compete for the same hours. You may feel torn between family and the work you are known for, or carry old family expectations about success. Changing course whenever you feel unsettled can become a habit. A career with room for private life gives you a standing that holds.</source>
        <comment>point:Midheaven-Moon:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mercury shapes your Midheaven, so your words, your ideas or your skill with information tend to open doors for you. Writing, teaching, trade or communication may be central to your work, and you may be the one colleagues ask to draft the email that matters. The pitfall is scattering your talents across too many projects at once. Choosing one field to master, and staying with it past the point of novelty, is what people come to remember you for.</source>
        <comment>point:Midheaven-Mercury:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thought and your Midheaven work in step, so you can talk, write or reason your way into the right role. Contacts and information tend to flow toward you. The shadow is relying on cleverness and skipping the slow work. Real expertise, built patiently alongside the quickness, is what keeps people asking for you by name.</source>
        <comment>point:Midheaven-Mercury:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your way of thinking and your Midheaven talk past each other, so you may feel misunderstood at work or unsure how to present your skills. Colleagues may question your ideas, or you may second-guess your career choices at the kitchen table long after work. The next move can be planned so often that it stays on paper. Speaking clearly about what you offer lets your reputation fit the work.</source>
        <comment>point:Midheaven-Mercury:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Venus lends its grace to your Midheaven, so charm, taste or work involving art, beauty or people can shape your career. Public life may come more easily when you are liked, and you may be the one sent to calm a difficult client. The trap is choosing work for its pleasantness over its challenge. Your grace carries furthest when it is put behind work that matters to you, not only work that pleases.</source>
        <comment>point:Midheaven-Venus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grace and your Midheaven help each other, so you tend to be well liked at work and may find a career in art, design or diplomacy. Colleagues and clients may open doors for you. Goodwill can make you coast. Taking on work that stretches your taste, not only displays it, keeps you growing rather than decorating.</source>
        <comment>point:Midheaven-Venus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What you love and your Midheaven pull apart, so career and pleasure may compete for your attention. Your work may feel short of beauty, or love may appear to cost you ambition. Chasing approval from a boss can become a habit. Finding a vocation that honours what you value lets you enjoy the standing you earn.</source>
        <comment>point:Midheaven-Venus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mars drives your Midheaven, so you tend to be known as ambitious, bold and ready to compete. You may thrive wherever there is a target to hit and a rival to beat. The cost is clashing with bosses and rivals, or pushing too hard for position. Leading by example, first in and last out, earns you a following, not only a reputation for a fight.</source>
        <comment>point:Midheaven-Mars:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mars fuels your Midheaven, so you tend to work hard and take initiative without needing to be asked. You may advance through effort that others notice, the one still fixing the problem when the office empties. The shadow is burning energy on busywork that looks like progress. A clear career goal, written down, stops the hours from scattering across whatever is loudest.</source>
        <comment>point:Midheaven-Mars:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your drive and your Midheaven collide, so friction with authority or rivals may mark your working life. You may resign in anger, push for a role before you are ready, or carry the day&apos;s battles home with you. Fighting the system can become a habit even where the system would bend. Learning to choose your battles earns a name for strength rather than friction.</source>
        <comment>point:Midheaven-Mars:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Jupiter enlarges your Midheaven, so generosity, vision or work in teaching, travel or publishing can set your public course. Chances to rise often come through people who believe in you. The danger is promising too much, or assuming success arrives by itself. Pairing your optimism with a plan and a calendar gives your standing a firm base.</source>
        <comment>point:Midheaven-Jupiter:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Jupiter favours your Midheaven, so chances to grow in your career may come readily. Mentors and patrons may take an interest in you, and a word from the right person tends to come at the right moment. The risk is letting the lucky phone call do your planning. Skills and contacts built while times are good are what carry you through the quieter years.</source>
        <comment>point:Midheaven-Jupiter:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your hopes and your Midheaven keep overshooting each other, so you may aim too high or drift between ambitions. Institutions may frustrate you, or appear to ignore your vision. Grand projects can be started with fanfare and left half done. Narrowing your aims makes you known for delivering what you promise.</source>
        <comment>point:Midheaven-Jupiter:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Saturn and your Midheaven act in unison, so you may be known as serious, responsible and hard-working. Success tends to come slowly, through sustained effort and years of proving yourself. The shadow is a fear of failure that keeps you from applying for the post you want. Authority earned over time tends to be the kind that lasts; the slow climb is the point, not the delay.</source>
        <comment>point:Midheaven-Saturn:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discipline and your Midheaven help each other, so you can build a career step by step and be trusted with responsibility. You may rise through reliability rather than flash. The drawback is choosing the safe path each time it is offered. Letting ambition guide you as well as duty lifts you from trusted to leading.</source>
        <comment>point:Midheaven-Saturn:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your sense of duty and your Midheaven grind against each other, so setbacks, delays or demanding superiors may mark your working life. You may doubt you deserve success, hold yourself to impossible standards, or carry duties at home that keep the career waiting. Waiting until you are qualified enough can postpone the move for years. Each responsibility you accept anyway builds an authority that endures.</source>
        <comment>point:Midheaven-Saturn:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Uranus electrifies your Midheaven, so your working life may run to unusual work, sudden changes of career or a refusal to climb the usual ladder. Technology or reform may draw you. Because the Midheaven moves quickly, this is your own signature, not your generation&apos;s. The shadow is a restlessness that leaves each job before it bears fruit; a field that rewards invention gives your independence a home.</source>
        <comment>point:Midheaven-Uranus:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Uranus sparks your Midheaven, so you can find new ways to work and may thrive in fields that change fast. Unexpected openings may come your way: the project nobody else wanted, the job title that did not exist five years earlier. Novelty can crowd out mastery. Staying long enough to finish something original earns you a reputation, not only a run of fresh starts.</source>
        <comment>point:Midheaven-Uranus:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your urge for freedom and your Midheaven jolt each other, so career changes may come suddenly or by your own abrupt choice. Authority can grate, rules feel unbearable, and a move of house can come as suddenly as a change of job. Quitting just as stability arrives can become a pattern. Shaping work with room for independence lets you be valued for your originality.</source>
        <comment>point:Midheaven-Uranus:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Neptune tints your Midheaven, so art, music, care or spiritual work may draw your ambitions. Others may see an ideal in you. The Midheaven makes this slow planet&apos;s contact personal rather than shared by everyone born near you. The shadow is uncertainty about direction, or a reputation built on other people&apos;s projections; grounding your vision in practical steps, a portfolio, a timetable, shows it to the world as well as to you.</source>
        <comment>point:Midheaven-Neptune:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Neptune inspires your Midheaven, so you may find a calling in creative, caring or spiritual work. Your sense of direction can be intuitive rather than planned, a path found by following what moves you. The weak spot is drifting between roles without committing to one. Giving your dreams a timetable puts them to work.</source>
        <comment>point:Midheaven-Neptune:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your longings and your Midheaven tend to blur, so your career path may be unclear or your reputation shaped by misunderstanding. You may feel called to something you cannot name, or be let down by employers who promised much. Waiting for the perfect vocation can fill years. Testing ideals against practical work gives you a calling that holds.</source>
        <comment>point:Midheaven-Neptune:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Pluto deepens your Midheaven, so you may be known for intensity, influence or work in research, crisis or transformation. Ambition can run deep, and quiet. This contact belongs to you personally, since the Midheaven moves too fast for a whole generation to share it. The hazard is power struggles at work; using influence honestly makes this force a source of real change.</source>
        <comment>point:Midheaven-Pluto:conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Pluto strengthens your Midheaven, so you can rise through persistence and insight, and hold steady when a crisis hits the workplace. You may find a calling in research, inquiry or rebuilding what has broken. The shadow is hiding your ambition even from yourself. Saying your aims out loud, to yourself first, lets others back them.</source>
        <comment>point:Midheaven-Pluto:easy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your need for control and your Midheaven wrestle, so power struggles with authorities or rivals may mark your working life. Your career may be overturned more than once, or you may push hard for a position. Gripping your reputation tightly can make every critic feel like a threat. Letting go of what you cannot control builds a standing that outlasts change.</source>
        <comment>point:Midheaven-Pluto:hard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three of your planets link in a closed triangle of trines, so talent circulates among them without friction: what one part of you starts, the others carry along. Things in this area of life tend to come easily, and you may barely notice you have a gift at all. The closed circuit is also the weak point, a comfortable loop that keeps out challenge and lets ability idle. The figure does its best work when something from outside gives it a task: a deadline, a student, a goal it did not choose.</source>
        <comment>pattern:Grand Trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A grand trine in your chart is given a purpose by a fourth planet that pulls across it, opposing one corner and linking easily to the other two. The talents of the triangle no longer circle on their own: the tension of the opposition aims them, the way a string lets a kite climb. You may feel driven to use your gifts for something, and restless when they sit idle. The cost is the strain at the tail, between what comes easily and what you are asked to do; working with that pull keeps the whole figure aloft.</source>
        <comment>pattern:Kite</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of your planets pull against one another in two oppositions bound by four squares, so pressure arrives from every side at once. Life can feel like a juggling act in which each demand blocks another: work against home, freedom against duty. There is no single release valve, which is why the strain can weigh most in younger years. Carried long enough, the fourfold pressure steadies into stamina: you learn to bear weight evenly, and few upsets knock you over.</source>
        <comment>pattern:Grand Cross</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two of your planets pull against each other, and both press on a third, the apex, where the tension looks for a way out. The drive of this figure is spent through the apex: its concerns become the place where you push, overwork or overreact. You may find yourself returning to the same kind of effort there, year after year. Aimed well, the pressure is a motor, and people with this shape tend to get things done once they let the apex be a channel rather than a battlefield.</source>
        <comment>pattern:T-Square</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With your Sun at the apex of this T-square, the tension between the two opposed planets is spent through your will and your sense of self. You may push to prove yourself, take the lead before anyone asks, or feel that who you are is on trial. The drive is strong, and recognition can grow from exactly this pressure. Acting from purpose rather than from a need to win keeps the strain behind you instead of on top of you.</source>
        <comment>pattern:T-Square:Sun</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here your Moon, at the apex, takes the strain of the opposed pair, so feelings, habits and home carry the load. Moods may flare when pressure builds, and you may soothe the tension by cooking, tidying or looking after everyone in reach. Your reactions are quick and strong. Naming what you need before it boils over gives your feelings a steady keel.</source>
        <comment>pattern:T-Square:Moon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mercury, at the apex of this T-square, becomes the outlet for the opposed pair&apos;s tension, so thinking, talking and writing take the strain. You may argue, plan, analyse and message your way through every difficulty, sometimes late into the evening. The mind turns into a tireless problem-solver, and a restless one. Giving it one problem at a time, and a finished page at the end, lets it rest as well as race.</source>
        <comment>pattern:T-Square:Mercury</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When your Venus sits at the apex of a T-square, love, pleasure and what you value become the channel for the strain between the opposed planets. You may smooth every quarrel over, seek comfort in lovely things, or lean on a relationship to carry the tension. Charm is the outlet, and sometimes the escape. Letting relationships and creative work hold honest friction, not only harmony, makes them sturdier than charm alone could.</source>
        <comment>pattern:T-Square:Venus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mars, at the apex, is where this T-square discharges, so the tension of the opposed pair comes out through action, effort and anger. You may throw yourself at problems, start fights or take on far more than one person should. The energy is formidable. Choosing targets carefully, and resting between campaigns, lets that force build something steady.</source>
        <comment>pattern:T-Square:Mars</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With your Jupiter at the apex, this T-square releases its strain through hope, belief and the urge for more. You may answer pressure with bigger plans, a new cause or a ticket somewhere far away. Optimism is the release, and sometimes overreach. Keeping one foot in the details lets your hopes grow without scattering.</source>
        <comment>pattern:T-Square:Jupiter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this T-square your Saturn sits at the apex, so the tension of the opposed pair is spent through duty, control and hard work. You may answer every difficulty with more responsibility, stricter rules or a longer list. The effort is real and often rewarded, if slowly. Allowing some give, and asking for help, keeps all that duty from setting like concrete.</source>
        <comment>pattern:T-Square:Saturn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Uranus, at the apex of this T-square, gives the opposed pair&apos;s tension a sudden outlet: change and the urge to break free. You may resolve a standoff by walking out, starting again or inventing a way round it. Surprise can be your tool and your trap. Channelling that urge into deliberate reform, not abrupt exits, opens doors you might otherwise slam.</source>
        <comment>pattern:T-Square:Uranus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the apex of this T-square sits your Neptune, so the strain of the opposed planets drains into imagination, idealism or escape. You may dream your way out of pressure, give yourself to a cause, or let things blur until they go away. The outlet can be creative or evasive. Grounding inspiration in a practice, a craft or a service means the dream does someone some good.</source>
        <comment>pattern:T-Square:Neptune</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Pluto, at the apex, draws the whole pressure of this T-square into intensity, control and deep change. You may answer difficulty by digging in, taking charge, or tearing something down to build it again. The force is considerable. Choosing what to transform, and letting the rest be, lets this figure renew you rather than wear you out.</source>
        <comment>pattern:T-Square:Pluto</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two of your planets that work easily together both point, at an awkward angle, to a third, the apex. Their combined pull comes to rest on something that does not quite fit. A yod often feels like an odd calling, a sense of being asked for something specific that you cannot yet name. Life may ask for repeated corrections of course toward the apex: a change of direction, a new skill, a role you did not expect. The strain is a persistent itch rather than a crisis, and heeding it can shape a vocation no one else could fill.</source>
        <comment>pattern:Yod</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this yod your Sun, at the apex, receives the pull of two planets that work well together but sit awkwardly with it. Your sense of self may feel like a work in progress, asked again and again to grow in a direction it did not plan. The calling is to become someone specific, often through roles you stumble into. Each correction of course brings you closer to a purpose you can claim as your own.</source>
        <comment>pattern:Yod:Sun</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Moon, at the apex of this yod, gathers the pull of two planets that cooperate with each other but fit poorly with it. Your needs and habits may keep being unsettled, as if home had to be found again in each new chapter. Often the task is to care for others in an unusual way. Heeding what your feelings ask for, not what they are used to, makes you wise about belonging in a way settled people rarely are.</source>
        <comment>pattern:Yod:Moon</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With your Mercury at the apex, this yod sends the pull of two cooperating planets through a mind that fits neither of them easily. Your thinking may feel out of step, as if you had to learn each subject twice to make it your own. You may be drawn to speak, write or teach something unusual. Refining your voice through draft after draft leaves you with a way of thinking no one else quite has.</source>
        <comment>pattern:Yod:Mercury</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Venus stands at the apex of this yod, where two planets that get on with each other send a demand that does not quite fit. Love and what you value may keep asking to be rethought, with relationships that do not follow a simple script. A particular kind of art, beauty or peacemaking may claim you. Each honest change in what you want brings you closer to a love that fits.</source>
        <comment>pattern:Yod:Venus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Mars sits at the apex of this yod, the point two friendly planets both lean on at an awkward angle. Your drive may keep being redirected, with effort that seldom lands where you first aimed it. Somewhere in the detours lies a specific fight worth taking up. Each change of tactic teaches you where your energy belongs, until action and purpose line up.</source>
        <comment>pattern:Yod:Mars</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here your Jupiter, at the apex, carries the combined pull of two planets that work well together but poorly with it. Your beliefs and hopes may need reshaping more than once, as each philosophy proves too narrow for what you have lived. The vocation hidden in this is often to teach, guide or travel toward a truth of your own. Each time you let a belief grow to fit experience, the figure widens your world.</source>
        <comment>pattern:Yod:Jupiter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Saturn is the apex of this yod, asked by two planets in easy league to carry what neither can. Duty and ambition may keep asking for rework, as if the structure you built were not quite the right one. A particular responsibility may be yours to carry. Patience with the repeated rebuilding leaves you with something that lasts.</source>
        <comment>pattern:Yod:Saturn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Uranus, at the apex of this yod, takes the combined pull of two planets that work easily together but uneasily with it. Your urge for freedom may strike at odd moments, sending your life off in unplanned directions. The role that emerges is often to bring something new into a group or a field. Learning to steer those sudden turns, not only ride them, gives you a place no one else could fill.</source>
        <comment>pattern:Yod:Uranus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With your Neptune at the apex, this yod pours the pull of two cooperating planets into ideals and imagination. The vision you pursue may keep shifting shape, so it has to be found again in each stage of life. You may feel called to serve, create or inspire without a map for any of it. Giving the vision a practical form each time it returns is how it reaches beyond you.</source>
        <comment>pattern:Yod:Neptune</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Pluto takes the apex of this yod, where the combined pressure of two allied planets lands at an odd angle. Deep changes may come in waves, each asking you to release something you had built your life around. Your part is often to bring renewal where it is most needed. Letting each ending lead to a fresh start builds a resilience others come to lean on.</source>
        <comment>pattern:Yod:Pluto</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four of your planets form a rectangle in which two oppositions are held steady by trines and sextiles along the sides. Tension and ease are balanced: each pull has a support beside it, so conflicts tend to find practical solutions rather than dramatic ones. You may be the one who calmly sorts out a crisis at work or at home while others are still arguing. The risk is that balance hardens into caution, a life arranged so neatly that nothing is risked; using the steadiness as a base for bold moves lets it serve you.</source>
        <comment>pattern:Mystic Rectangle</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four or more of your planets crowd into a single sign, so a great deal of your energy pours through one style of living. You tend to be intensely and recognisably that way, with a concentration that brings depth and persistence. The cost is blind spots: what the sign does not value may go missing from your life, and others notice the gap before you do. Friends and partners who bring the missing qualities help round out a chart so strongly focused.</source>
        <comment>pattern:Stellium</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four or more of your planets crowd into Aries, so your energy runs toward action, courage and the urge to begin. You tend to charge at life, start things quickly and fight for what you want. Patience is what gets lost, and the quieter needs of others can slip from view. Learning to finish what you start, and to wait when waiting serves, rounds out this fiery concentration.</source>
        <comment>pattern:Stellium:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With four or more planets in Taurus, your chart pours its energy into stability, comfort and the patient building of what lasts. You tend to be steady, sensual and hard to hurry. Change and risk are harder to welcome, and they can feel like threats even when they are openings. Welcoming a little novelty every year keeps steadfastness from hardening into stubbornness.</source>
        <comment>pattern:Stellium:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A crowd of four or more planets in Gemini gives you a mind that juggles ideas, people and projects with quick intelligence. Curiosity, talk and connection are where your energy goes. Depth and follow-through are the blind spots, since the next interesting thing is forever beckoning. Choosing a few subjects to pursue to the end gives your curiosity something to show for itself.</source>
        <comment>pattern:Stellium:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer holds four or more of your planets, so your energy concentrates in feeling, home and care. You tend to be protective, intuitive and loyal to those you count as family. The wider world can feel unsafe beyond familiar walls. Taking your care out into it, not only keeping it at home, broadens this tender focus.</source>
        <comment>pattern:Stellium:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With four or more planets in Leo, your chart centres on self-expression, warmth and the wish to be seen. You tend to be generous, creative and proud of what you make. What can go unnoticed is the quieter work of others, and the value of not being noticed at all. Sharing the stage, and praising as readily as you perform, lets this radiance warm other people too.</source>
        <comment>pattern:Stellium:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Virgo sit four or more of your planets, so your energy goes into skill, service and getting the details right. You tend to be observant, useful and modest about it. Rest and the big picture are easily lost behind an endless list. Letting good enough be enough, now and then, keeps this careful focus from turning critical.</source>
        <comment>pattern:Stellium:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cluster of four or more planets in Libra puts partnership, fairness and harmony at the heart of your chart. You tend to be gracious, diplomatic and attentive to how others feel. Your own preferences, and the value of open disagreement, can be smoothed over too quickly. Learning to say what you want, even when it disturbs the peace, gives this balance a spine.</source>
        <comment>pattern:Stellium:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four or more of your planets gather in Scorpio, so your energy sinks into depth, intensity and what lies beneath the surface. You tend to be private, perceptive and fiercely committed. Lightness and letting go come hard, since both can feel like giving up. Allowing some things to be simple, and some grudges to lapse, frees this powerful concentration.</source>
        <comment>pattern:Stellium:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With four or more planets in Sagittarius, your chart reaches for exploration, belief and the search for meaning. You tend to be enthusiastic, frank and restless for the next horizon. Detail and the task near at hand are what you tend to overlook. Bringing your vision home to a daily practice grounds this wide-ranging focus.</source>
        <comment>pattern:Stellium:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn draws four or more of your planets together, so your energy goes into ambition, structure and long-term achievement. You tend to be disciplined, reliable and serious about your goals. Play, and feelings that do not serve the plan, can be left out of the schedule. Making room for rest and tenderness keeps the plan serving your life rather than running it.</source>
        <comment>pattern:Stellium:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cluster of four or more planets in Aquarius puts ideas, independence and the good of the group at the centre of your chart. You tend to be original, principled and a little detached. Intimacy and one-to-one warmth can take second place to causes. Letting people close, not only in principle, warms this visionary focus.</source>
        <comment>pattern:Stellium:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four or more of your planets gather in Pisces, so your energy flows into imagination, compassion and the life beneath the everyday. You tend to be sensitive, creative and quick to sympathise. Boundaries and practical matters are the blind spots, and they can dissolve when a feeling carries you off. Giving your dreams a structure, and your kindness limits, lets you stay open without being swept away.</source>
        <comment>pattern:Stellium:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in Aries, you come alive by starting things: the first move, the blank page, the door pushed open before anyone thought to knock. Your purpose grows through challenge and speed, and a week without something to aim at leaves you restless. The catch is a drawer full of half-finished beginnings. Your courage has something to show for itself when you stay past the exciting part.</source>
        <comment>sign:Sun:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Sun in Taurus builds a self slowly and means it to last. You trust what you can touch, taste and count, and you tend to know your worth best when your days have a settled rhythm and your hands are busy with something real. The same steadiness can harden into refusing to budge; choosing change before it is forced on you is how your strength stays supple.</source>
        <comment>sign:Sun:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in Gemini, you grow by asking, comparing and passing things on. Your week may hold three good conversations, two books half read and a plan sketched on a receipt. A quick, light mind connects people and ideas for you, and scattering is its price: the few threads you follow to the end are what let your curiosity add up to something.</source>
        <comment>sign:Sun:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in Cancer, your sense of who you are is bound up with the people and places you protect. You may be the one who keeps the spare key and cooks when someone has bad news. That care is real strength, though it can curl into a shell when you feel exposed. Say plainly what you need, and others get the chance to look after you too.</source>
        <comment>sign:Sun:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun in Leo lets you shine by giving something of yourself: a story told well, a party hosted with flair, praise handed out generously. You want your work to carry your signature and to be seen. The shadow is a pride that bruises easily when applause is late. On the days you make something purely because you enjoy it, your warmth needs nobody&apos;s permission.</source>
        <comment>sign:Sun:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in Virgo, you find yourself in doing things properly. You notice the misplaced comma and the faster route, and being useful gives you a quiet pride. The cost is a critic who rarely clocks off, aimed at yourself first; letting good enough be good enough on ordinary days frees your skill for the tasks that truly need it.</source>
        <comment>sign:Sun:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in Libra, you come into focus through other people: a conversation, a partnership, a shared project where each side gets its due. You have an eye for proportion, in a room or in an argument, and a knack for making peace. When even choosing a restaurant becomes a poll of everyone you know, settle your own view first; fairness with a spine suits you better than agreement.</source>
        <comment>sign:Sun:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born with the Sun in Scorpio, you live from the depths and prefer the truth to the polite version. You may hold few friendships but hold them hard, and you sense what is unsaid in a room. That intensity gives you staying power in a crisis. Secrecy and a long memory for hurt come with it, and they ease when you let one or two people in before you are wholly sure of them.</source>
        <comment>sign:Sun:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in Sagittarius, you grow by widening the map: a new country, a new subject, a conversation that runs until midnight about what life is for. You are candid, hopeful and quick to laugh. The snag is restlessness and a promise made bigger than the week can hold. Your faith gathers weight when one horizon is reached before the next is chased.</source>
        <comment>sign:Sun:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Sun in Capricorn takes the long road and respects those who have walked it. You know how to plan, to wait and to carry responsibility, and yours is often the number people ring when something has to be done properly. Work can crowd out play, and rest tends to arrive only once everything is finished; building pleasure into the schedule, not after it, keeps ambition humane.</source>
        <comment>sign:Sun:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For a Sun in Aquarius, becoming yourself means thinking for yourself. You may champion an unpopular idea at work, keep friends from every walk of life and bristle at any rule that cannot explain itself. Your gift is principle and an eye for the future; its cost is a cool distance when feelings get close, and letting people matter as much as ideas warms it.</source>
        <comment>sign:Sun:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in Pisces, your identity has soft edges: you pick up moods, music and other people&apos;s sorrows as if they were your own. Imagination and compassion come naturally, and you may help a stranger before you finish your own errands. Your own wishes can go missing, until a friend asks what you would like and you honestly do not know. A clear boundary and a daily anchor give your sensitivity somewhere to stand.</source>
        <comment>sign:Sun:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in Aries, your feelings arrive fast and hot and usually leave just as quickly. You are soothed by action: a brisk walk after an argument, a task tackled the moment it worries you. The risk is impatience with slower hearts, your own included; counting to ten before you answer gives others time to catch up with your honesty.</source>
        <comment>sign:Moon:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon in Taurus needs comfort it can touch: a good meal, a familiar chair, the same route home. Your moods are steady and your loyalty slow to shift, which makes you a calm presence when others panic. The trouble is clinging to what feels safe long after it has stopped feeding you. Taking a different road home once in a while, by choice, keeps your calm from setting into a rut.</source>
        <comment>sign:Moon:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in Gemini, you settle your feelings by talking them through, reading about them or texting a friend at odd hours. Variety soothes you, and a day with no new input can feel flat. Sometimes you explain a feeling rather than have it, and the chat runs on while the heart waits; sitting quietly with one emotion before naming it lets the two catch up.</source>
        <comment>sign:Moon:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in Cancer, feeling runs deep and close to the surface, and home is where you recover. You may sense a friend&apos;s trouble from one word on the phone and arrive with soup. That tenderness is a great gift, and moodiness and old hurts held close are its cost. Ask for care outright instead of retreating, and the shell has less reason to close.</source>
        <comment>sign:Moon:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Moon in Leo needs to feel warmly seen, and returns affection with open hands: the surprise party, the generous compliment, the evening you make special. Your heart is loyal and playful. When the attention goes elsewhere, the hurt can run deeper than you show; finding pride in what you give, not in the thanks, keeps your warmth from depending on applause.</source>
        <comment>sign:Moon:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in Virgo, you calm yourself by putting things in order: a tidied drawer, a list, a problem solved for someone else. Care, for you, means practical help. When you feel unsettled, the fault-finding starts, often aimed at yourself; naming the feeling behind the fussing lets the useful part of your care rest.</source>
        <comment>sign:Moon:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in Libra, you feel at ease when things are fair and pleasant between people, and a quarrel left hanging can spoil your whole evening. You soothe others with tact and good company. Swallowing your own upset to keep the peace comes too easily; saying what bothers you while it is still minor keeps the harmony honest.</source>
        <comment>sign:Moon:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Scorpio the Moon runs deep, private and strong: you trust slowly but completely. You may know a friend is hurt before they do, and keep what they tell you safe for years. Suspicion comes easily, and a grudge may outlive its cause by years. Each old hurt you put down leaves more feeling for the people who have earned your trust.</source>
        <comment>sign:Moon:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in Sagittarius, you need room to roam, in miles or in ideas, and a plan for next month lifts your spirits more than comfort at home. Your moods recover quickly and you cheer others with humour. The catch is skipping past sadness with a joke or a trip; staying with a hard feeling a little longer teaches you what it came to say.</source>
        <comment>sign:Moon:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in Capricorn, you tend to handle feelings the way you handle work: with control, patience and a plan. You may be the steady one in a family crisis or a flooded kitchen, quietly doing what needs doing. Behind the composure there can be loneliness, since you are better at comforting than at being comforted; allowing someone to look after you now and then lets people reach you.</source>
        <comment>sign:Moon:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in Aquarius, you feel safest with a little distance and plenty of freedom, and friendship matters as much to you as closeness. You may respond to an upset friend with clear thinking rather than tears. Just when warmth is wanted, you can come across as cool. Saying that you care, in plain words, bridges the gap your independence leaves.</source>
        <comment>sign:Moon:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under a Pisces Moon you soak up the feeling in any room, as if you had no skin between yourself and others. Music, water and quiet restore you, and compassion comes easily. Moods that are not yours can swamp you, and when life gets harsh you may slip away. A little solitude each day and firm limits keep your kindness afloat.</source>
        <comment>sign:Moon:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in Aries, you think on your feet and say it straight, often before the other person has finished the question. Decisions come quickly and debate wakes you up. Speed takes its toll in the reply sent in haste and the detail skipped; a second read before you press send is what separates directness from carelessness.</source>
        <comment>sign:Mercury:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury in Taurus moves at a deliberate pace and keeps what it learns. You prefer facts you can test, explain things in practical terms and rarely change your view because someone talks louder. When a better idea appears, you can dig in simply because you got there first. A fair hearing for the new argument, before you decide, keeps solid thinking from turning stubborn.</source>
        <comment>sign:Mercury:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in Gemini, your mind is quick, curious and fond of words: puzzles, gossip, trivia and three tabs open at once. You can talk to anyone and explain almost anything. You may know a little about a great deal and finish less than you start, and choosing one subject to master gives your quickness the depth it lacks.</source>
        <comment>sign:Mercury:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in Cancer, you think with your feelings and remember by atmosphere: where you were, who was there, how it felt. You listen well and often say the right thing to someone who is hurting. A neutral remark can land as a personal one. Asking what was meant, before you react, stops your fine memory from filing it as a grievance.</source>
        <comment>sign:Mercury:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury in Leo gives your speech colour and conviction, and a meeting tends to wake up when you tell the story. You like ideas that let you lead and a plan you can put your name to. The catch is defending a view because it is yours. Let yourself be persuaded once in a while, and enjoy it: confidence that can change its mind convinces more people.</source>
        <comment>sign:Mercury:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in Virgo, your mind sorts, measures and refines: the spreadsheet checked twice, the instructions rewritten so anyone can follow them. You notice what others miss and put it to use. Worry comes with it, and a habit of correcting people who did not ask. Precision offered where it helps is welcomed; offered everywhere, it is heard as criticism.</source>
        <comment>sign:Mercury:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in Libra, you weigh every side before you speak and phrase things so that nobody loses face. You make a fine mediator, and people bring you their disputes. Decisions can hang for days, until someone else makes them for you; a deadline for choosing lets your fairness reach a conclusion.</source>
        <comment>sign:Mercury:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury in Scorpio reads between the lines and keeps its own counsel. You may solve a puzzle by noticing what someone avoided saying, and you remember every word of a promise. Suspicion and a sharp tongue come out when you feel cornered. What you have worked out helps nobody while it stays locked away, so let some of it out.</source>
        <comment>sign:Mercury:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in Sagittarius, your mind reaches for the big picture: why something matters, where it leads, what it means for everyone. You speak frankly, teach with enthusiasm and love a debate over dinner. A broad claim can rest on thin facts; checking the details before you announce the principle makes your vision trustworthy.</source>
        <comment>sign:Mercury:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in Capricorn, you think the way a builder works: practical, sober, one course of bricks after another. Your word carries weight because you do not waste it, and you tend to learn what is useful. A playful idea may strike you as frivolous, and your good sense can go grey with caution; leaving room for what cannot yet be proven keeps it young.</source>
        <comment>sign:Mercury:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mind shaped by Mercury in Aquarius runs ahead of the crowd and enjoys any idea that unsettles the usual way of doing things. You may spot the flaw in a system at work on your first morning and have a fix sketched by lunch. Once a view rests on principle, you can stop hearing the people who doubt it; asking what they know that you do not brings your originality back into conversation with them.</source>
        <comment>sign:Mercury:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in Pisces, your mind thinks in images, moods and hunches more than in lists. You may grasp a situation whole without being able to say how, and write or speak with a poetic touch. Details can slip away, and appointments with them. A notebook, a calendar and a habit of checking facts give your intuition solid ground to land on.</source>
        <comment>sign:Mercury:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in Aries, you love boldly and make the first move, drawn to people who are lively and a little hard to catch. Your affection is frank and exciting. Interest can cool once the chase is won. Plans made together and challenges taken on side by side bring the adventure inside a settled bond.</source>
        <comment>sign:Venus:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus in Taurus loves through the senses and through steadiness: good food, soft fabrics, a partner whose hand you can hold on the sofa. Your affection is loyal and patient. You may hold on to a person as you hold on to a favourite coat, and comfort can settle into inertia. Devotion breathes more easily when you give without keeping a quiet account.</source>
        <comment>sign:Venus:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in Gemini, you fall for a good mind and a quick laugh, and conversation is your way of courting. You enjoy variety in company and in taste. Love that settles into routine can make you restless, and keeping the talk fresh within one bond, new books to share and new places to argue about, often holds you better than moving on.</source>
        <comment>sign:Venus:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in Cancer, you love by looking after people: the meal saved for a late partner, the photograph albums, the home that feels safe. Your affection is tender and lasting. The cost is sulking when care is not returned, or giving in order to be needed; asking plainly for tenderness keeps your love from turning into a quiet ledger.</source>
        <comment>sign:Venus:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus in Leo loves generously and likes to be adored in return, with gestures that have some sparkle: flowers, a grand evening, loyalty declared in public. Your warmth makes people feel special. Pride is easily hurt when admiration flags. Praise others as lavishly as you hope to be praised, and affection flows both ways.</source>
        <comment>sign:Venus:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in Virgo, you show love in practical ways: fixing the bike, remembering how they take their tea, ironing the shirt for the interview. Your taste runs to the simple and well made. A critical eye can turn on the people you love, or on yourself. Let affection be imperfect and say it out loud, and your careful devotion is felt as warmth.</source>
        <comment>sign:Venus:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in Libra, love and beauty come naturally to you, and partnership feels like home ground. You have a gift for charm, fair play and a room arranged just right. Too much peace can be bought at the price of your own wishes, and resentment collects quietly; risking a little friction for honesty makes your relationships more truly balanced.</source>
        <comment>sign:Venus:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus in Scorpio loves intensely and wants all of a person, not the polite surface. Your loyalty runs deep and your attraction can be magnetic. Jealousy can surface, with tests of devotion set in silence. Trust a partner with your fears instead of watching for betrayal, and passion becomes a refuge rather than a trial.</source>
        <comment>sign:Venus:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in Sagittarius, you love freedom, laughter and people who widen your world: a partner from elsewhere, a friend who drags you on a trip. Your affection is warm and generous. You may back away when closeness starts to ask for commitment, though a lasting bond can be a journey of its own, with new ground every year.</source>
        <comment>sign:Venus:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in Capricorn, you love with seriousness and build affection to last, preferring proven loyalty to grand declarations. Your taste is classic and your commitments are kept. Reserve can hide your warmth, and standing may weigh too much in whom you choose; being silly and openly fond once in a while shows what lies behind the composure.</source>
        <comment>sign:Venus:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus in Aquarius loves as a friend first and needs a partner who respects your independence. Unusual people attract you, and you give affection without fuss or clinging. When feelings run high you may go cool; staying present in an emotional moment, instead of analysing it, shows how much you do care.</source>
        <comment>sign:Venus:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in Pisces, you love with compassion and imagination, and can see the best in almost anyone. Your affection is gentle, romantic and forgiving. You may love an ideal more than the person, or give until little is left for you. With your eyes open and your limits clear, devotion can find someone who returns it.</source>
        <comment>sign:Venus:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in Aries, your drive is direct, quick and fearless: you see what you want and go for it, often first in line and last to give up a fight. Energy comes in bursts. A short fuse and projects dropped once the spark fades are the risk. Pace yourself and see the dull middle through, and your courage has results to show.</source>
        <comment>sign:Mars:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars in Taurus acts slowly and steadily and is hard to push off course. Once you commit to a garden, a savings plan or a grudge, you see it through. You may dig in when flexibility would serve you, and a temper slow to rise can be hard to calm. Choose your stands carefully, and your stamina counts where it matters.</source>
        <comment>sign:Mars:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in Gemini, your energy goes into words, errands and ideas, several at once. You argue well, move fast and get bored by slow routines. Effort can scatter across too many fronts, and a quarrel tempts your sharp tongue: one project at a time, and wit used to persuade rather than to score, give your drive its force.</source>
        <comment>sign:Mars:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in Cancer, you fight hardest for the people and places you love, and can be fierce in defence of home. Your drive often moves sideways, through feelings and hints rather than open demands. Anger held in tends to sulk or spill; saying what you want directly, early on, puts your protective strength to clearer use.</source>
        <comment>sign:Mars:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars in Leo acts with flair and wants its efforts noticed. You lead naturally, throw yourself into creative work and defend your honour with heat. Pride can turn a disagreement into a contest. Act for the work itself, share the credit, and your courage finds a generous stage.</source>
        <comment>sign:Mars:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in Virgo, your energy goes into work done carefully: the repair, the tidy report, the job no one else would bother to do right. You are efficient and precise. Sloppiness, yours or anyone&apos;s, can nag at you all afternoon; aiming your drive at what truly matters, and letting the rest be, keeps your skill from turning into strain.</source>
        <comment>sign:Mars:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in Libra, you act best with a partner and fight most readily for fairness, on someone else&apos;s behalf as easily as your own. Open conflict may feel uncomfortable, so anger can come out as coolness or delay. Decisions can stall as a result; naming what you want, and bearing a little friction, lets your sense of justice move.</source>
        <comment>sign:Mars:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Scorpio, Mars makes your drive concentrated, strategic and slow to show its hand. When you set your sights on something you pursue it with formidable patience, and you rarely forget an insult. Intensity can turn to control or resentment. Spent on finishing what matters rather than on settling scores, your force becomes a real power.</source>
        <comment>sign:Mars:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in Sagittarius, you act from enthusiasm and conviction: a cause, a journey, a plan with a horizon. You move fast and speak your mind. The cost is rushing in and promising more than the week can hold, or preaching in a quarrel; a plan with milestones, and patience with those who disagree, carry your fire further.</source>
        <comment>sign:Mars:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in Capricorn, your drive is disciplined and ambitious: you work toward a goal year after year and respect people who do the same. You can stay calm under pressure and keep going when others stop. You may grind on without rest and treat feelings as obstacles in the way; pausing to enjoy what you have achieved gives your stamina a human face.</source>
        <comment>sign:Mars:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars in Aquarius acts on principle and dislikes being told what to do. You may throw your energy into a group effort, a reform or an invention, and work best with room to do it your way. The snag is contrariness for its own sake; asking whether you are fighting the idea or the person keeps your independence effective.</source>
        <comment>sign:Mars:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in Pisces, your drive moves like water: indirect, adaptable, strongest when it serves a feeling or an ideal. You may fight hard for someone else and struggle to push for yourself. Energy can leak away into doubt or avoidance. A clear aim and a daily routine give your compassion a way to act.</source>
        <comment>sign:Mars:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter in Aries, your faith grows through daring: you trust that a bold start opens doors, and you act on that trust. You may talk a group into a venture nobody else would try. Caution can look like cowardice to you, and you may overreach; pairing your optimism with one sober question before you leap keeps your luck from being spent on haste.</source>
        <comment>sign:Jupiter:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in Taurus finds abundance in the tangible: a well-stocked kitchen, a garden that yields, savings that grow slowly. Your generosity is practical and your good sense about value is real. Plenty can tip into too much, the extra helping and the purchase nobody needed, and enjoying enough rather than more keeps it pleasant.</source>
        <comment>sign:Jupiter:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter in Gemini, you grow by learning and sharing: courses started, books lent, contacts introduced to one another. You see opportunity in every conversation. Enthusiasm spread across ten openings can leave all ten half taken; choosing which of many good ideas to follow gives your wide interest the depth of real knowledge.</source>
        <comment>sign:Jupiter:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter in Cancer, your generosity shows at home and in care: the open door, the table with room for one more, the family you gather around you. Kindness comes easily. You may over-protect people or hold on to the past. Letting those you nurture stand on their own shows how much your care has given them.</source>
        <comment>sign:Jupiter:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in Leo believes in life as a stage worth playing on, and your enthusiasm lights up a room. You encourage others warmly and give with flair. Showing off is the temptation, or a plan as grand as your heart but larger than your means; generosity that needs no audience carries your big spirit best.</source>
        <comment>sign:Jupiter:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter in Virgo, you find meaning in useful work and grow by improving things step by step. A better method, a careful habit or a job well done gives you real satisfaction. The whole can go missing in the detail, and you may worry over what is already fine. Stepping back once in a while shows how far your patience has carried you.</source>
        <comment>sign:Jupiter:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter in Libra, your good fortune tends to come through other people: partners, allies, a well-judged introduction. You believe in fairness and bring out the gracious side of others. You may promise to please everyone, or lean on a partner for direction; your diplomacy carries more weight once it rests on your own judgment.</source>
        <comment>sign:Jupiter:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in Scorpio grows through depth: hard truths faced, crises weathered, what is hidden brought to light. You may see friends through their worst months and dig past the surface of any subject you take up. Passion and control can run to excess when every question must be probed to the bottom, so trusting that some things can stay unexplored lets your strength rest.</source>
        <comment>sign:Jupiter:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter in Sagittarius, your faith in life is large and catching: travel, study and long talks about meaning feed you. You tend to land on your feet and to lift others with your good humour. The shadow side is overconfidence and a taste for the next horizon before this one is explored; a measure of modesty is what makes your wisdom believable.</source>
        <comment>sign:Jupiter:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter in Capricorn, your growth comes through patience, structure and earned responsibility. You may prosper slowly, trust plans more than luck and find meaning in building something that lasts. Joy and chance can get too little room. When a windfall comes, simply enjoying it keeps your good sense generous.</source>
        <comment>sign:Jupiter:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in Aquarius believes in people working together and in ideas that move the world forward. A club, a cause or a circle of friends tends to open your doors. Humanity can come to matter more than the person in front of you, and an hour given to one friend in need keeps your ideals warm.</source>
        <comment>sign:Jupiter:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Jupiter in Pisces, your faith is compassionate and wide: you forgive readily, believe in people and find meaning in art, music or quiet devotion. You may give a stranger your umbrella and think nothing of it, trusting that help is near when you need it too. Trust handed out too easily, and days that drift without a plan, are the other face of it; a few firm commitments give your kindness a longer reach.</source>
        <comment>sign:Jupiter:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn in Aries, your lesson is learning when and how to act on your own. You may hold back from asking for the post you want, then push too hard once you do. Over the years, patience with your own impulses can become a rare kind of courage: the ability to lead calmly, to start things that last and to stand alone when needed.</source>
        <comment>sign:Saturn:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in Taurus makes security a serious matter: you may worry about having enough and work long hours to build a cushion. You tend to be careful, reliable and slow to spend. Holding on tightly, to things or to habits, can crowd out the pleasure of them; trusting your own steady worth, not only your savings, lets you enjoy what you have built.</source>
        <comment>sign:Saturn:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn in Gemini, you take thinking and speaking seriously, perhaps because being understood once felt hard. You may check facts others skip and choose words carefully. Doubt about your own mind can have you rehearse a question three times before you ask it; practice and study give you a clear, precise voice that others learn to trust.</source>
        <comment>sign:Saturn:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn in Cancer, feelings and family can carry a weight of duty: you may have grown up responsible early or learned to hide your needs. You tend to be a dependable carer. The risk is guarding your heart too closely; letting yourself be looked after, bit by bit, builds the secure home you work so hard to provide.</source>
        <comment>sign:Saturn:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under Saturn in Leo you may long to be seen and fear it in equal measure, rehearsing before you step into the light. Creativity and play come with a sense of responsibility. Your gifts may stay hidden until they feel perfect, yet work shown while still unfinished builds a confidence that is earned and lasts.</source>
        <comment>sign:Saturn:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn in Virgo, you hold yourself to exacting standards at work and in daily routine, and you tend to do a thorough job. Methods, lists and schedules keep you steady. The shadow is worry, and criticism aimed mostly at yourself; accepting that a task can be finished without being flawless lets your diligence serve you rather than drive you.</source>
        <comment>sign:Saturn:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn in Libra, relationships are where you learn responsibility: keeping promises, meeting people halfway, knowing what is fair. You may commit late and take commitments seriously. Caution can hold love at arm&apos;s length, or keep you in a bond out of duty alone; clear agreements, renewed honestly, give your partnerships lasting strength.</source>
        <comment>sign:Saturn:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in Scorpio inclines you to take trust, power and intimacy seriously and let very few people all the way in. You can endure hardship with quiet resolve. Fear of exposure can tighten into a grip on control, and letting one trusted person see what you guard lets endurance deepen into closeness.</source>
        <comment>sign:Saturn:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn in Sagittarius, beliefs are earned, not borrowed: you may test ideas hard before you accept them and distrust easy answers. Study and experience shape a philosophy of your own. What it can cost is cynicism or rigid principles; a stranger or a journey can still teach you something, and staying open to them saves your hard-won wisdom from going stale.</source>
        <comment>sign:Saturn:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn in Capricorn, you understand structure, time and responsibility, and you may have carried adult concerns young. You plan carefully and climb steadily. The price is severity with yourself and a fear of failing that leaves little room for play; measuring your worth by more than achievement keeps your ambition from becoming a burden.</source>
        <comment>sign:Saturn:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in Aquarius brings discipline to ideas and groups: you may organise the committee, write the rules for a fairer system or stand by an unpopular principle. Coolness can creep in, a sense of standing apart from the crowd you serve; friendships that are warm as well as useful keep your vision of how people should live together human.</source>
        <comment>sign:Saturn:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Saturn in Pisces, you may feel others&apos; pain keenly and work hard to give it shape, through service, art or quiet discipline. Boundaries can be your long lesson. Vague fear or guilt can arrive with no source you can name. A steady practice and clear limits give your compassion practical strength.</source>
        <comment>sign:Saturn:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in Aries marks those born over some seven years, who tend to break new ground by acting first and asking permission later. Personally it can surface as a sudden urge to strike out alone: leaving the team to start your own, booking the trip on a whim. Rebellion for its own sake is the snag, and where this placement lands among your houses shows where the pioneering spirit does real good.</source>
        <comment>sign:Uranus:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in Taurus, shared with those born in the same seven years or so, shakes up what people own, earn and make, and what they take as solid ground. You may find your own sense of security changing without warning. The gift is a practical inventiveness; the use of the jolts is learning to hold things lightly.</source>
        <comment>sign:Uranus:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Those born with Uranus in Gemini, a span of about seven years, tend to rewire how people talk, learn and connect. Your mind may leap between ideas and warm to new tools before others trust them. Restlessness can leave a dozen bright ideas started in one week; letting an idea settle long enough to test it shows which of your flashes are real.</source>
        <comment>sign:Uranus:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in Cancer, common to those born within the same seven years, unsettles the old picture of home and family and invents new ones. You may need more freedom within your closest bonds than custom allows, and a household of friends can feel more like family than the one on paper. A home life that keeps shifting is hard to rest in, yet it can teach you to make belonging by choice.</source>
        <comment>sign:Uranus:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in Leo marks a generation that insists on expressing itself in its own way, in art, romance and style. You may want your creativity to surprise. Wilfulness can flare when admiration is withheld. Let others shine beside you, and your originality finds its welcome.</source>
        <comment>sign:Uranus:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in Virgo, a placement of some seven years, reinvents work, method and daily habit: the new tool, the smarter routine. You may move the whole office to a new tool before anyone else has read the manual. The trouble is restless impatience with the old way; testing your improvements before insisting on them wins them a hearing.</source>
        <comment>sign:Uranus:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in Libra, a placement that lasts about seven years, redraws the rules of partnership: equality, freedom and unconventional arrangements. You may need a relationship that leaves room to breathe, separate holidays included. The shadow is bonds that come and go suddenly; a bond whose terms you have both written yourselves gives your partnerships a shape of their own.</source>
        <comment>sign:Uranus:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in Scorpio, in the years of its passage, breaks taboos around power, intimacy and what is kept hidden. You may be drawn to uncover what others prefer left alone. You may turn volatile when you feel controlled. Aimed at honest change, in yourself first, that urge gains lasting force.</source>
        <comment>sign:Uranus:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A generation with Uranus in Sagittarius questions inherited beliefs and reaches across borders, in travel, faith and learning. You may change your outlook suddenly after one book or one trip. Tradition can be dismissed wholesale. Keeping what still holds while you explore lets your freedom of mind stay generous.</source>
        <comment>sign:Uranus:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in Capricorn, shared with your classmates and near contemporaries, challenges institutions and remakes structures from within. You may respect authority while wanting to redesign it. The strain between order and reform is useful: it can make you the person who changes a system instead of only protesting it.</source>
        <comment>sign:Uranus:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in Aquarius marks a generation at home with networks, science and ideas ahead of their time. You may feel most yourself among friends who think unusually. Detachment can cool a feeling before it is ever spoken; using your vision for people you actually know brings it down to earth.</source>
        <comment>sign:Uranus:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your age group&apos;s Uranus in Pisces dissolves old boundaries through imagination, spirit and art. You may have flashes of intuition that arrive fully formed. Inspiration and escape can be hard to tell apart. Grounded in daily practice, your insights show which of them can change something.</source>
        <comment>sign:Uranus:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in Aries colours a generation, those born across some fourteen years, with an ideal of heroic action and the dream of a fresh start. You may be stirred by causes that ask for courage. A vision can stay vague even while you fight for it; giving your ideal a concrete first step keeps it from evaporating.</source>
        <comment>sign:Neptune:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born under Neptune in Taurus, your generation dreams of a simpler, more beautiful material life, close to land and craft. You may idealise comfort or nature. Judgment about what things are worth can blur, and loving beauty with an honest eye on the price lets the dream take root.</source>
        <comment>sign:Neptune:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in Gemini, shared with those born over about fourteen years, weaves imagination into words, news and ideas. You may think in stories and pick up what is in the air. Rumour and fact can blur in the telling; checking the source before you pass a story on lets your gift for language inspire rather than mislead.</source>
        <comment>sign:Neptune:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in Cancer colours a generation with longing for an ideal home, homeland or family. You may feel nostalgia for a past you never quite had. You may expect your family to be the dream. Loving the real people, flaws and all, makes a home that holds.</source>
        <comment>sign:Neptune:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in Leo enchants everyone born during its passage with glamour, romance and the stage, and the dream of a heroic self. You may treat creativity as something almost sacred and remember a film or a performance for decades. An image can be chased at the expense of a life, so letting your talent serve something beyond your own reflection keeps the magic real.</source>
        <comment>sign:Neptune:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in Virgo marks a generation that idealises service and blurs the line between duty and devotion. You may want your work to mend something in the world. You may worry over imperfection or give yourself away in routine. A modest aim, done faithfully, lets your ideal of usefulness come true in practice.</source>
        <comment>sign:Neptune:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in Libra, common to your age group, dreams of perfect love and harmony between people. You may see partnership as almost sacred and art as a bridge, and keep a song for every relationship you have had. Loving an ideal partner more than the real one is the danger; honest talk about what each of you needs keeps romance grounded.</source>
        <comment>sign:Neptune:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Neptune in Scorpio, your age group is drawn to the hidden: depth psychology, mysteries, the intensity behind appearances. You may sense the undercurrent at a meeting or a family dinner long before anyone names it. Extremes can fascinate you more than they deserve; that perceptiveness, used to understand rather than to be swept away, steadies rather than haunts.</source>
        <comment>sign:Neptune:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in Sagittarius colours a generation with spiritual wanderlust: faith sought in distant places, in many teachings, in a world without borders. You may idealise freedom and truth. You may chase one guru or belief after another. A vision tested against your own experience stays honest.</source>
        <comment>sign:Neptune:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in Capricorn gives those born in its years a dream of institutions worth trusting and structures that serve an ideal. You may look for meaning in your career. Disillusion can follow when authority proves human. Building something sound in your own corner of the world makes the ideal real.</source>
        <comment>sign:Neptune:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A generation with Neptune in Aquarius dreams of a connected, humane future shaped by technology and shared ideals. You may feel kinship with people you have never met. Utopian vagueness is the weak point, and your vision proves itself best when put to work in one real community.</source>
        <comment>sign:Neptune:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in Pisces, shared with those born across some fourteen years, deepens compassion, imagination and a sense of the sacred. You may be unusually sensitive to music, art and suffering. You may want to escape when the world is harsh. A creative or caring practice gives your sensitivity a channel that lifts others too.</source>
        <comment>sign:Neptune:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in Aries, a placement shared by everyone born over some three decades, carries the urge to remake the world by force of will and fresh starts. Personally it can show as a fierce need to do things your own way, rebuilding the club from scratch rather than joining it as it is. Blocked, that will can turn ruthless; aimed at renewal rather than conquest, it clears ground for others too.</source>
        <comment>sign:Pluto:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in Taurus marks a long generation that transforms its relation to land, possessions and value. You may hold deep, stubborn convictions about what is truly yours, from a plot of ground to the chair nobody else may sit in. Such things can grip you harder than you grip them; letting one go, by your own choice, shows how much of your steadiness never depended on it.</source>
        <comment>sign:Pluto:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everyone born during Pluto&apos;s long stay in Gemini shares its intensity about ideas, speech and the spread of news. Words may carry real power for you: the letter redrafted until it cannot be answered, the remark that is still remembered years later. The pull is toward being right at any cost, and putting that power to uncovering what is true, rather than winning the argument, gives it depth.</source>
        <comment>sign:Pluto:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For those born with Pluto in Cancer, over some twenty-five years, the deepest changes run through home, family and homeland. You may feel the pull of family history strongly: the story retold at every gathering, the house nobody can bring themselves to sell. Clinging to roots, or dreading their loss, is the cost; making peace with where you come from frees the fierce loyalty it gave you.</source>
        <comment>sign:Pluto:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in Leo gives those born in its years a drive to leave their mark through self-expression and will. You may want the business, the garden or the family recipe to bear your stamp, and feel it keenly when credit goes elsewhere. Pride can harden into control when recognition is withheld, whereas creative work done for its own sake releases that force generously.</source>
        <comment>sign:Pluto:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in Virgo, a placement of about sixteen years, transforms work, method and daily habit with a drive to analyse and improve. You may feel compelled to fix what is broken around you, down to the office filing system nobody asked you to touch. Perfectionism can grip too hard; accepting that some things mend slowly lets your reforming zeal work patiently, and your houses show where it works hardest.</source>
        <comment>sign:Pluto:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in Libra, shared by your whole age group, brings deep change to partnership, fairness and the terms on which people live together. Relationships may be where you are most remade, as when a quarrel about whose turn it is to cook turns out to be about power. Struggles for the upper hand can hide behind a pleasant front, and honest negotiation between equals is what this placement rewards.</source>
        <comment>sign:Pluto:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in Scorpio, over some twelve years, makes those born in its span unafraid of intensity, secrets and what lies beneath the surface. You may feel things fiercely and trust slowly, reading a friend&apos;s silence more closely than their words. Extremes and control exert their pull, and honest self-knowledge, the kind that owns up to a jealous moment, is where that depth finds its power to renew.</source>
        <comment>sign:Pluto:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common to everyone born in its span, Pluto in Sagittarius transforms belief, learning and the meaning of truth, across borders. You may hold convictions with passionate force and argue them past midnight with people from the far side of the world. Zeal can stop hearing any other view; searching as hard as you preach keeps that conviction alive and growing.</source>
        <comment>sign:Pluto:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in Capricorn, shared by those born over some sixteen years, brings deep change to institutions, authority and how power is structured. You may want to build, to master or to reform a system, even if it starts with the rules of a school council. Hardness and a need to control are the risk; authority used responsibly, and handed back when the job is done, is the lasting gift.</source>
        <comment>sign:Pluto:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in Aquarius transforms groups, networks and ideas of freedom and progress for everyone born while it lasts. You may feel a strong pull toward collective causes, the petition started or the neighbourhood group organised online. A picture of the future can harden into fanaticism, and keeping real people at the heart of the vision lets its force do good.</source>
        <comment>sign:Pluto:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Those born with Pluto in Pisces see their transformations run through faith, imagination and compassion, dissolving old certainties. You may feel the pull of the unseen deeply, moved by a piece of music as others are moved by an argument. A longing to escape or to be swept away is the cost; giving that depth a form, in art or service, makes it a source of renewal.</source>
        <comment>sign:Pluto:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Aries rising, you meet the world head-on: quick to step forward, to speak first and to take on the unfamiliar task. People often see you as brave or brisk before they know you. You can come across as abrupt when you only meant to get going. A moment&apos;s warmth at the start of an encounter, a name remembered or a question asked, softens the charge.</source>
        <comment>sign:Ascendant:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With a Taurus Ascendant you meet life calmly and at your own pace, and people tend to find your presence reassuring. You settle into a new job or town by building routines and familiar comforts. When change comes you can seem immovable; a nod that shows you are listening, even while you take your time, keeps others from reading patience as refusal.</source>
        <comment>sign:Ascendant:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Gemini rising, you approach the world with curiosity and chat, and people first meet you as lively, youthful and quick. You ask questions at a party and pick up a new place&apos;s slang in days. Others may find you restless or hard to pin down at first; let them see the steady interests beneath the talk, and the trust goes deeper.</source>
        <comment>sign:Ascendant:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Cancer rising, you approach new company carefully, sensing the mood of a room before you enter it. People often find you kind and approachable, and may come to you for comfort. A protective shell can read as shyness or moodiness. Once people are past the first guarded minutes, they find the warmth inside.</source>
        <comment>sign:Ascendant:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When Leo is rising, you make an entrance without trying: warm, confident and noticed. People tend to look to you to lead or to liven things up. On a flat Monday you may still feel bound to be the bright one, and being overlooked stings; letting yourself be ordinary at times makes your natural radiance easier to carry.</source>
        <comment>sign:Ascendant:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Virgo rising, you arrive attentively and modestly, noticing what needs doing and quietly doing it. People first see you as capable, neat and a little reserved. New situations can set off nervous self-scrutiny. Trust that you are welcome before you are useful, and you can relax into company.</source>
        <comment>sign:Ascendant:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Libra rising, you approach people graciously and put them at ease, and first impressions of you tend to be pleasant. You have a feel for how a room or an outfit comes together. You can agree too quickly just to avoid friction, until your own preferences are lost among the pleasantries; voicing them early, over something as plain as which film to see, lets people meet the person behind the courtesy.</source>
        <comment>sign:Ascendant:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Scorpio on the Ascendant you meet the world watchfully, taking people&apos;s measure before you reveal much of yourself. Others may find you magnetic, private or hard to read. The cost is a guardedness that keeps good people at bay; ask a new acquaintance a candid question and answer one in return, and your intensity reads as depth rather than threat.</source>
        <comment>sign:Ascendant:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Sagittarius rising, you greet life with openness and good humour, as if every meeting might lead somewhere interesting. People see you as friendly, frank and restless. Bluntness can outrun tact, and plans can outrun follow-through. A little forethought before you promise lends your enthusiasm credit.</source>
        <comment>sign:Ascendant:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn rising gives you a serious, competent bearing, and people often take you for older or more in charge than you feel. You arrive prepared. The snag is a reserve that can seem cold or a weight of responsibility taken on too early; letting your dry humour show relaxes others and lightens your own step.</source>
        <comment>sign:Ascendant:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Aquarius Ascendant presents you as independent, friendly and a little unusual, the one with an unexpected opinion or style. People may find you easy to talk to but hard to know. Your detachment can leave people standing outside the door; say what you feel as readily as what you think, and friendliness can become closeness.</source>
        <comment>sign:Ascendant:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Pisces rising, you enter a room gently and absorb its atmosphere, and people sense your kindness and imagination at once. You may adapt to each person you meet. The risk is losing your outline in other people&apos;s wishes; a clear no, said kindly, helps others meet the person behind the softness.</source>
        <comment>sign:Ascendant:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Midheaven in Aries, your calling asks for initiative: to lead, to compete, to start what others only talk about. You may do best where you can act on your own judgment and see results quickly. Hierarchy and slow careers try your patience. Broken into bold steps, a long aim gives your ambition a path.</source>
        <comment>sign:Midheaven:Aries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Taurus Midheaven points you toward a vocation that is steady, tangible and worth something you can see: a craft, a business, a work of beauty built over years. Others come to rely on your consistency. The shadow is staying in a safe post too long. The best time to look at the next step is often while the current one still feels comfortable.</source>
        <comment>sign:Midheaven:Taurus</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Midheaven in Gemini, your public path runs through words, ideas and connections: teaching, writing, selling, linking people. You may hold two jobs at once, or move between fields as your interests turn. Your reputation can suffer from scattering, a little of everything and no signature; following one thread far enough gives your versatility a recognisable shape.</source>
        <comment>sign:Midheaven:Gemini</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Midheaven in Cancer, your aims in the world are bound up with care: work that feeds, houses or protects people, or a workplace that feels like family. Professional setbacks can land as personal wounds. Your worth is more than your job title, and once you feel that, the empathy that is your strength can lead.</source>
        <comment>sign:Midheaven:Cancer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Midheaven in Leo wants your work to be seen and to carry your name: leading, performing, creating, inspiring others. Recognition motivates you. A career that runs on applause can stall when the audience moves on; work you would love even without an audience steadies your light.</source>
        <comment>sign:Midheaven:Leo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Midheaven in Virgo, your calling lies in skill and service: doing a job precisely, improving how things work, being the expert people trust. Your work may never feel good enough to show. Put your craft forward before it is perfect, and your reputation can catch up with your ability.</source>
        <comment>sign:Midheaven:Virgo</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Midheaven in Libra, your public path runs through partnership, diplomacy or beauty: negotiating, designing, bringing people to agreement. Others see you as fair and gracious. Other people&apos;s expectations can steer your career more than your own aims do, and knowing what you want from your work lets your talent for cooperation serve you too.</source>
        <comment>sign:Midheaven:Libra</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Scorpio Midheaven seeks work with depth and consequence: research, crisis, strategy, whatever is hidden or demanding. You may keep your ambitions private until they are secure. Your intensity can turn meetings into quiet contests for control. Turn your intensity on the task rather than on colleagues, and real authority grows.</source>
        <comment>sign:Midheaven:Scorpio</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Midheaven in Sagittarius, your calling wants meaning and scope: teaching, travel, publishing, anything that widens horizons. You may be known for your enthusiasm and frankness. A career can turn restless, chasing each new vision. Staying long enough to see one project mature earns you the standing your ideas deserve.</source>
        <comment>sign:Midheaven:Sagittarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Midheaven in Capricorn, you tend to aim high and climb patiently, and you take your reputation seriously. Responsibility suits you, and authority tends to come with time. Status can become the only measure of a life. Let achievement include the people and pleasures along the way, and ambition need not hollow you out.</source>
        <comment>sign:Midheaven:Capricorn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Midheaven in Aquarius, your public path asks for originality and a cause: reform, technology, community, work that looks ahead. You may be known as the one who does things differently. You may chafe against every structure you work inside; finding an organisation whose aims you share gives your independence somewhere to build.</source>
        <comment>sign:Midheaven:Aquarius</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Midheaven in Pisces, your calling may be hard to name but easy to feel: art, care, spirit, work that serves something larger. Your path may wind rather than climb. The risk is goals so vague, and terms so loose, that others end up setting them for you; giving your vision a practical form and clear terms helps it find its audience.</source>
        <comment>sign:Midheaven:Pisces</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in your first house, you are seen: your presence tends to fill a doorway and people notice when you arrive. You do best acting on your own initiative and putting your personality into whatever you touch. The catch is self-absorption and taking every reaction personally; ask about others as readily as you show yourself, and your vitality becomes something people share rather than watch.</source>
        <comment>house:Sun:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun in your second house ties your sense of self to what you build, earn and value. A wage you earned yourself, a skill you can sell, a home furnished by your own choices give you quiet pride. Confusing worth with possessions is the trap; knowing what you value beyond price keeps your confidence secure when circumstances shift.</source>
        <comment>house:Sun:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in your third house, you come alive in conversation, in learning and in the comings and goings of your neighbourhood. You may be the one who knows everyone on the street, writes the group&apos;s messages or explains the news to your siblings. Busyness can pass for purpose, a full week with nothing deep in it; going far into one subject gives your quick mind a centre.</source>
        <comment>house:Sun:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in your fourth house, home and family are central to who you are, and your strength may grow quietly before it shows in public. You may pour energy into a house, a garden or family history. Life can stay too private, or too bound to the past. Bring what you have built at home out into the street, and others can benefit from it too.</source>
        <comment>house:Sun:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In your fifth house, the Sun comes out in play, romance and creative work: the hobby that becomes a passion, the game you organise, the joy you take in children or young people. You may crave applause, or treat life as one long performance. Create for delight, audience or none, and the spark stays honest.</source>
        <comment>house:Sun:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in your sixth house, daily work is where you discover who you are: a craft perfected, a routine that runs well, colleagues who rely on you. Daily rituals matter to you. Your worth can come to feel like your output, measured in ticked boxes, and rest is then the first thing cut; protecting it keeps your diligence from wearing you thin.</source>
        <comment>house:Sun:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in your seventh house, you discover yourself through partnership: a spouse, a business partner, a close rival who sharpens you. You may shine most in one-to-one work. It can be tempting to let a partner tell you who you are. Bring a clear sense of yourself to the relationship, and it becomes a meeting of equals.</source>
        <comment>house:Sun:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun in your eighth house draws you to what lies beneath: shared resources, intimacy, crisis and the hidden motives of people. When things fall apart, you may find yourself steady while others panic. You may keep more secret than you need to, and reach for control when you feel exposed. Letting people in, and sharing power, gives your depth its generous use.</source>
        <comment>house:Sun:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in your ninth house, travel, study and a philosophy or faith give your life its direction. Friends may know you as the teacher, the traveller or the one with a book to lend. You can search restlessly or preach what you have found, and neither convinces as much as beliefs lived out on an ordinary Tuesday.</source>
        <comment>house:Sun:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in your tenth house, your purpose is bound up with your public life: career, reputation, what you achieve in the world&apos;s eyes. You may be drawn to lead or to be known for your work. The cost is a life ruled by status; remembering who you are when no one is watching means the ambition stays your own.</source>
        <comment>house:Sun:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placed in your eleventh house, the Sun warms friends, teams and causes, and you may find yourself at the centre of a circle or organising the group. Shared hopes give you purpose. Your own aims can get lost in the crowd&apos;s; knowing what you want from the group, as well as what you give it, keeps your friendships balanced.</source>
        <comment>house:Sun:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Sun in your twelfth house, your strength works best behind the scenes: in quiet service, creative solitude, or care given without fanfare. You may need time alone to recharge and feel most yourself out of sight. Hiding your light, or doubting it, comes easily; letting your work be seen a little at a time brings your gifts into the open.</source>
        <comment>house:Sun:12</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in your first house, your feelings show on your face and your moods colour how you meet each day. People find you responsive and approachable, and you may react to a new place before you have thought about it. On some mornings the mood of the moment runs the whole day. A steady routine, the same walk or the same cup at the same hour, lets your sensitivity become a strength others trust.</source>
        <comment>house:Moon:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon in your second house ties security to what you have: a full cupboard, savings put by, familiar things around you. Your earnings and spending may rise and fall with your moods. The trouble is comfort-buying when you feel low; noticing the feeling behind the purchase lets your possessions soothe without ruling you.</source>
        <comment>house:Moon:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in your third house, you need to talk things through, and phone calls, letters and chats with neighbours or siblings steady you. You learn best when a subject touches your feelings. The same worry can churn over and over when it has nowhere to go, and writing it down is often enough to let your responsive mind rest.</source>
        <comment>house:Moon:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in your fourth house, home is your emotional centre: the kitchen, the family table, the place you return to. You may stay close to your roots or carry them with you wherever you live. When the world asks for you, the nest can be too tempting to leave. Opening the door to friends, not only family, widens the belonging you build there.</source>
        <comment>house:Moon:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In your fifth house, the Moon makes you feel most alive when you play, create or love: the craft night, the romance, time with children. Your heart is easily moved and freely given. A dull week can tempt you to stir up drama just to feel something. Quieter pleasures, an evening of music or a walk with a child, can feed your warm spirit just as well.</source>
        <comment>house:Moon:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in your sixth house, you feel secure when your days have order: the morning routine, the tidy desk, being useful to colleagues. Work can be where you show care. Moods can leak into daily tasks, and worry about getting everything right can make order a cage; a looser routine lets your dependable care flow.</source>
        <comment>house:Moon:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in your seventh house, you need a partner to feel at home in yourself, and you are highly attuned to other people&apos;s feelings. Friends may ring you first when they need sympathy. Your emotional balance can come to depend on whoever is closest. Learning to comfort yourself makes your partnerships a choice, not a need.</source>
        <comment>house:Moon:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon in your eighth house sends your feelings deep and private, and you may sense what others hide. A friend&apos;s confession or a secret shared at midnight can stay with you for days. Brooding, jealousy or holding on after it is time to let go can weigh on you. Feelings are meant to change, and allowing them to gives your depth a power to renew.</source>
        <comment>house:Moon:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in your ninth house, you find comfort in horizons: a journey planned, a course begun, a belief that explains your life. Foreign places or ideas may feel strangely like home. Life that stays local can make you restless, yet meaning found in your own street as well as far away settles your heart.</source>
        <comment>house:Moon:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in your tenth house, your feelings go to work with you, and people may sense your care in how you do your job. You might work with the public, or with families, or lead like a parent. A sharp word from a manager or a cool review can follow you home; keeping a private life apart from the work restores you.</source>
        <comment>house:Moon:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Moon in your eleventh house makes friends your family of choice and groups a source of belonging. You may know everyone&apos;s news and every birthday in your circle. Moods swayed by the crowd, or a need to be liked by everyone, can unsettle you; a few close friendships, deeply kept, ground your wider social world.</source>
        <comment>house:Moon:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the Moon in your twelfth house, your feelings are private, sometimes even from yourself, and you may need regular solitude to know what you feel. You sense others&apos; distress keenly. Hurt can stay hidden until it overwhelms you, so a journal, a quiet practice or one trusted listener helps your inner life surface gently.</source>
        <comment>house:Moon:12</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in your first house, you lead with your wits: asking questions, cracking jokes, sizing things up aloud. People see you as bright and talkative. Nervy restlessness can have you talking before you have listened; letting a silence sit in a conversation makes your quickness more persuasive.</source>
        <comment>house:Mercury:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury in your second house turns your mind readily to practical value: prices compared, skills that can earn, ideas that pay their way. You may make a living with words, trade or teaching. You may overthink every purchase or measure ideas only by their use. A book read for nothing but pleasure widens your good sense.</source>
        <comment>house:Mercury:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in your third house, talk, reading and errands fill your days, and you may know the quickest route anywhere and the latest news from everyone. Learning comes naturally and siblings or neighbours may be close companions. Nervous scattering is the hazard of so much input; finishing one line of thought before picking up the next gives your mind reach.</source>
        <comment>house:Mercury:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in your fourth house, home is where you think: a study, a kitchen-table debate, a house full of books or talk. You may have learned a great deal from family conversation. Old family stories can be gone over once too often. Bring fresh ideas home, and your mind stops circling the past.</source>
        <comment>house:Mercury:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In your fifth house, Mercury makes a mind that loves to play: word games, stories, flirting by banter, creative writing. You may have a gift for entertaining and for teaching the young. Serious matters can get treated as a game. Wit with a real point behind it carries weight as well as laughter.</source>
        <comment>house:Mercury:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in your sixth house, your mind is at its best on practical tasks: lists, schedules, troubleshooting, the job explained step by step. Colleagues may rely on your efficiency. Details can become a source of worry and routine a thing to fret over; trusting your systems enough to stop checking them frees your mind to think.</source>
        <comment>house:Mercury:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in your seventh house, you think best in dialogue, and partners are as much minds to meet as hearts to win. You may negotiate, counsel or mediate with skill. You may decide only after consulting everyone, or let a partnership become an endless debate. Reaching your own conclusion first sharpens every conversation.</source>
        <comment>house:Mercury:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury in your eighth house takes your mind beneath the surface: research, investigation, the question others avoid asking. You may be drawn to psychology, old records or mysteries. The snag is a mind that dwells on what is hidden and reads a plot into a late reply; sharing what you uncover, gently, makes your perceptiveness a gift to others.</source>
        <comment>house:Mercury:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in your ninth house, your mind heads for big ideas: languages, philosophy, travel, the meaning behind the facts. You may teach, publish or debate beliefs with relish. Abstract argument can drift far from everyday detail, and testing your theories against what happens down the road keeps them sound.</source>
        <comment>house:Mercury:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in your tenth house, your career may run on communication: writing, speaking, selling, teaching, planning. You may be known for what you say and how well you say it. A reputation can come to rest on talk rather than delivery. Visible results, set beside the words, build standing that lasts.</source>
        <comment>house:Mercury:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury in your eleventh house makes friends your thinking partners and groups your classroom. You may run the group chat, share articles and swap ideas with people of every kind. Many acquaintances can leave room for few deep conversations. Time given to a handful of friends who challenge you sharpens your mind more than the crowd does.</source>
        <comment>house:Mercury:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mercury in your twelfth house, your thinking often happens quietly, below the surface, and answers may come in daydreams or in solitude. You may keep your best ideas to yourself. Self-doubt may keep you quiet and worry may circle unspoken, so writing privately first helps your intuitive mind find its voice.</source>
        <comment>house:Mercury:12</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus in your first house lends you a ready charm, and people tend to warm to you quickly. You may care about how you present yourself and have an easy grace in company. What it can cost is relying on being liked, or avoiding anything that spoils the pleasant impression; letting people see you ruffled now and then makes your charm sincere.</source>
        <comment>house:Venus:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus in your second house brings a love of beautiful things and comfort, and often a good eye for quality: the well-cut coat, the piece of furniture that lasts. Earning through art, taste or people skills may come easily. Affection can slide into gifts, a present bought where a word was wanted; valuing what cannot be wrapped deepens your pleasure in what you own.</source>
        <comment>house:Venus:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in your third house, you speak and write with grace, and daily exchanges with neighbours, siblings and shopkeepers tend to go sweetly. You may charm with a well-chosen word or a kind note. Saying what people want to hear comes a little too easily; pair your tact with honesty and your pleasant words are trusted.</source>
        <comment>house:Venus:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in your fourth house, you may put love into the place you live: fresh flowers, good food, a welcoming door. Family ties can be affectionate. Conflict at home may be dodged just to keep the peace. An honest disagreement, aired over dinner and survived, makes the harmony real.</source>
        <comment>house:Venus:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In your fifth house, Venus lets romance, pleasure and creativity come easily: you enjoy courtship, art, dancing and good times with friends and children. Your love of life is infectious. Pleasure, or the thrill of a new romance, can become a chase in itself. Joys you return to year after year let your playful heart find depth.</source>
        <comment>house:Venus:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in your sixth house, you bring grace to daily work and tend to get on well with colleagues. A pleasant workspace and friendly routine matter to you. Unpleasant tasks and friction at work are what you may dodge, yet doing the dull jobs with the same care as the nice ones earns lasting goodwill.</source>
        <comment>house:Venus:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in your seventh house, partnership is where you flourish, and you may attract kind, attractive or artistic partners. You cooperate easily and make others feel valued. Dependence on a partner for happiness, or peace kept at any price, is the shadow side; knowing your own worth, and saying so when it is overlooked, keeps the sweetness from turning into silence.</source>
        <comment>house:Venus:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus in your eighth house makes love run deep and intense, and you may seek a closeness that changes you. Shared resources and intimacy matter greatly. Love can tangle with power, and jealousy or possessiveness can take hold; trusting without needing to hold lets your capacity for deep bonds flourish.</source>
        <comment>house:Venus:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in your ninth house, you love what widens the world: travel, foreign cultures, study and people from elsewhere. Beauty and belief may be linked for you. What is distant can look lovelier than what is at hand, and bringing that sense of wonder home keeps your love of the far away from becoming restlessness.</source>
        <comment>house:Venus:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in your tenth house, your public life benefits from charm and taste, and you may work in art, design, diplomacy or with people. Colleagues and superiors often like you. Being liked can come to count for more than results. Grace with substance behind it makes a reputation that holds.</source>
        <comment>house:Venus:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus in your eleventh house makes friendship one of your great pleasures, and you may gather a warm and varied circle. Groups and shared causes bring out your kindness. Affection can spread thin, and the line between friend and lover can blur. A few close friendships, tended over years, give your social warmth its meaning.</source>
        <comment>house:Venus:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Venus in your twelfth house, love may be private, secret or quietly selfless, and you may give care without asking for credit. Art, music and solitude feed you. You may love from afar or accept less than you deserve; letting your affection be seen, and returned, brings it out of the shadows.</source>
        <comment>house:Venus:12</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in your first house, you meet life with energy and directness, and people sense your drive before you say a word. You may be quick to act, compete and stand up for yourself. A readiness to clash and a temper that flares on first contact are the risks. Let others finish their sentence before you answer, and your boldness stays an asset.</source>
        <comment>house:Mars:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars in your second house makes you work hard for what you own and earn, and you defend your possessions and values fiercely. You may be an energetic earner with a quick hand for spending too. Impulsive purchases or quarrels over what is whose are the trouble. With a steady plan behind it, your drive for independence has a firm base.</source>
        <comment>house:Mars:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in your third house, your mind is quick and your words can be sharp: you debate readily, dash about a great deal and may compete with siblings or neighbours. Hasty speech and impatience, in traffic or in debate, are the hazards; choosing which points are worth winning gives your quick words real persuasive force.</source>
        <comment>house:Mars:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in your fourth house, home can be a place of great activity: renovations, lively family debates, a busy household. You defend your family fiercely. Tempers held in check at work may come out over the washing-up instead; giving your energy a physical outlet and your grievances a calm hearing keeps the household warm.</source>
        <comment>house:Mars:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In your fifth house, Mars has you pursue pleasure, romance and creative projects with passion, and you play to win, in sport or in love. Your enthusiasm can be contagious. The cost is taking risks for the thrill, or treating romance as a conquest. Poured into a canvas, a team or a performance, the competitive fire has somewhere lasting to burn.</source>
        <comment>house:Mars:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in your sixth house, you throw your energy into work and daily tasks, getting through a list faster than most. You may thrive in physical or hands-on jobs. Colleagues who move slowly may try your patience and friction can follow; pacing the day and choosing your battles at work let your vigour reach the end of the list.</source>
        <comment>house:Mars:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in your seventh house, partnerships are lively and sometimes combative: you may be drawn to strong-willed partners or rivals who test you. Working in tandem can spur you on. Conflicts can flare between you and those closest. Fight fair and name anger early, and your relationships stay honest and alive.</source>
        <comment>house:Mars:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars in your eighth house sends your drive deep and intense, especially where intimacy, loyalty or a shared purse is at stake. You may be fearless in crises. Power struggles and secret resentments are the catch. Brought into the open with someone you trust, desire and anger can become courage for renewal.</source>
        <comment>house:Mars:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in your ninth house, you fight for your beliefs and chase adventure: long journeys, bold studies, causes worth arguing for. You may be a fiery teacher or traveller. Quarrels over principle can harden into zealotry, and respecting other views while defending your own keeps your crusading spirit admirable.</source>
        <comment>house:Mars:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in your tenth house, ambition drives you, and you may push hard for advancement, independence or leadership. People see you as energetic and determined. Clashes with bosses can earn you a name for being combative. Alliances built along the way carry your drive further than force alone.</source>
        <comment>house:Mars:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars in your eleventh house puts your drive into groups, teams and causes, and can have you rallying friends toward a goal. Shared aims inspire you. Arguments can break out within the group, and friendships can turn competitive. Letting others lead sometimes keeps your team spirit strong and your friendships warm.</source>
        <comment>house:Mars:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Mars in your twelfth house, your drive tends to work out of sight: you may act alone, behind the scenes, or for others rather than yourself. Anger can be hard to express. Frustration can turn inward when it finds no outlet, so a quiet one, a long walk alone or private work, frees your energy for purposeful action.</source>
        <comment>house:Mars:12</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your first house lends you an open, hopeful manner, and people tend to feel better for your company. You may take up space generously, in laughter, plans and goodwill, and doors open for you. Its shadow is overdoing it: promising too much, assuming too much, filling every room; a little restraint makes your optimism more believable.</source>
        <comment>house:Jupiter:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your second house brings a generous relation to resources: you may earn in spurts, spend freely and trust that more is on the way. Your values are broad and your hand is open. The trap is extravagance and a faith in plenty that skips the sums; a simple budget lets your generosity last.</source>
        <comment>house:Jupiter:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your third house gives you an expansive mind and a love of talk, reading and short journeys. You may lend out books faster than they come back and cheer a sibling or neighbour through every new plan. Where it overreaches is in promising to read, write or ring more than a week allows; fewer projects, chosen well, make your words worth their weight.</source>
        <comment>house:Jupiter:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your fourth house makes home a place of plenty and welcome: a large table, a house that fills up at holidays, roots you feel proud of. Family may be a source of support. A household can grow beyond what you can tend, one spare room and one more guest at a time. Knowing when enough space is enough keeps home a refuge.</source>
        <comment>house:Jupiter:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your fifth house brings joy in creativity, romance and play, and luck may come through a hobby or a gamble on your talent. You may delight in children and celebration. Excess is the snag: too many parties, too big a wager on a whim; keeping play playful, without raising the stakes, protects the fun.</source>
        <comment>house:Jupiter:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your sixth house brings goodwill to daily work: you may enjoy your job, find helpful colleagues and see routine as a source of meaning. Opportunities tend to come through service. Because you say yes so readily, your desk can fill with favours no day can hold; a polite no to some of them keeps your goodwill at work sustainable.</source>
        <comment>house:Jupiter:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your seventh house tends to bring generous, wise or worldly partners, and cooperation can open many doors for you. You believe in the best of those you join. Expecting a partner to provide meaning or rescue is the weak spot; growing together, each with your own horizons, gives the bond its real abundance.</source>
        <comment>house:Jupiter:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your eighth house can bring support through what others share, a partner&apos;s means or a mentor&apos;s contacts, and a faith that things can be rebuilt. A friend may hand you exactly the introduction you needed, or a partner&apos;s world may widen yours. Overconfidence with shared obligations is the risk; clear agreements about what is whose let that support keep flowing.</source>
        <comment>house:Jupiter:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your ninth house is at home with horizons: travel, higher learning, faith and the big questions fill you with energy. You may teach, publish or live abroad. Its excess is certainty, the belief that your view is the only wise one; remaining a student as well as a teacher is how your wisdom goes on growing.</source>
        <comment>house:Jupiter:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your tenth house favours public life: you may rise through goodwill, reputation and a sense of mission, and people tend to trust you with responsibility. Ambition can overreach, and a career can be built on promise more than delivery. Vision matched with steady work gives your standing solid ground.</source>
        <comment>house:Jupiter:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your eleventh house brings a wide and varied set of friends and an easy way with groups, and your hopes for the future are large. A chance word at a club evening may lead to your next job or your next home. Spreading yourself across too many causes is the catch; choosing the aims that truly matter to you gives your network real purpose.</source>
        <comment>house:Jupiter:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter in your twelfth house gives a quiet faith and a generous heart. Solitude or retreat may restore you, as may helping where nobody knows your name, and feel oddly protected in hard times. Hiding from the world or giving without limits is what this can cost; bringing your kindness into plain view lets it grow.</source>
        <comment>house:Jupiter:12</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your first house can give you a serious, reserved manner, as if you had to earn your place in every room. You may have grown up quickly and learned self-control early. The weight of it is self-consciousness and a guarded first impression; with time this reserve can mature into a quiet authority people come to rely on.</source>
        <comment>house:Saturn:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your second house makes security something you work for patiently: you may save carefully, mend rather than replace and keep something back for leaner months. Your sense of worth may be slow to build. The strain is scarcity thinking even in good times; relying on your own persistence lets you spend an afternoon on pleasure without counting what it cost.</source>
        <comment>house:Saturn:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your third house makes you weigh every word before you speak or write it, and your mind works carefully, step by step. Early schooling or siblings may have felt demanding. The pinch is hesitation and second-guessing of your own ideas; slow, thorough study gives you a voice that carries real authority in time.</source>
        <comment>house:Saturn:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your fourth house ties home to duty: you may have carried responsibility in your family early or longed for a security that came late. You tend to build a home slowly and solidly. The ache is a reserve that keeps warmth at bay; allowing comfort, not just order, makes the home you build a shelter.</source>
        <comment>house:Saturn:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your fifth house treats pleasure, romance and creativity seriously, perhaps too seriously: you may hold back from play or doubt your creative gifts. Love may come cautiously. The work it asks is practice; the art or the romance you commit to over years can prove deeper and more lasting than any easy spark.</source>
        <comment>house:Saturn:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your sixth house brings discipline to daily work and routine: you are dependable, thorough and may carry more than your share. Structure steadies you. The burden is overwork and a sense that duty is endless; setting limits on the working day, and keeping them, protects both your effort and your spirits.</source>
        <comment>house:Saturn:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your seventh house takes partnership seriously: you may marry or commit later, choose older or steadier partners, or feel relationships as a responsibility. The test is fear of rejection, or a bond kept only because it was promised; built patiently, with honest terms, your partnerships can become the most reliable part of your life.</source>
        <comment>house:Saturn:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your eighth house approaches intimacy, trust and shared resources with caution, and you may guard your vulnerabilities closely. Joint arrangements and promises made to others may weigh on you. The hardship is fear of losing control; letting trust grow step by step builds a depth of bond that withstands crisis.</source>
        <comment>house:Saturn:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your ninth house asks you to earn your beliefs: you may distrust easy faith and study long before you claim to know. Travel or higher education may come late or with effort. The narrowness to watch is rigid opinion; listening to people who believe otherwise lets your earned convictions guide others.</source>
        <comment>house:Saturn:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your tenth house makes your career a long climb: you may take on responsibility early, rise through persistence and respect authority, or become it. The pressure is fear of failure and a diary with room for nothing but work; making time for rest and private joy keeps your achievement from costing too much.</source>
        <comment>house:Saturn:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your eleventh house gives you few friends but loyal ones, and you may take a responsible role in groups: the treasurer, the organiser. You may feel an outsider at first. The chill is loneliness or reluctance to join in; showing up regularly lets friendships deepen into the long bonds you value.</source>
        <comment>house:Saturn:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn in your twelfth house can bring hidden fears, quiet responsibilities or a sense of carrying something unseen. You may work well alone or in institutions, keeping an archive or a night desk in order while others sleep. A worry with no clear name can hang over you; an hour set aside for reflection, writing or service gives those private fears a shape you can work with.</source>
        <comment>house:Saturn:12</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Uranus in your first house, people may find you surprising, original or hard to predict from the first handshake. You may change your look or direction abruptly. Restlessness can bristle at any expectation. Turning up on time where it counts lets your originality be welcome rather than merely startling.</source>
        <comment>house:Uranus:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your second house brings an unconventional relation to resources: income may come in unusual ways or fluctuate, and your values may differ from your family&apos;s. The jolt is instability when you crave freedom more than security; some reserve set aside gives you room to follow the unusual path.</source>
        <comment>house:Uranus:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your third house gives a quick, inventive mind that leaps to conclusions and enjoys ideas that startle. You may move often, or have unusual ties with siblings. Nervous distraction, and the unexpected remark blurted out, can lose people. Pause to explain how you got there, and others can follow your flashes.</source>
        <comment>house:Uranus:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With Uranus in your fourth house, home life may be unconventional or changeable: frequent moves, an unusual family, the furniture rearranged whenever the mood strikes. Roots can be hard to put down, and you may at times wish for a quieter household. That unsettlement can teach you to carry your sense of home within, and to build a household that fits who you are rather than what custom expects.</source>
        <comment>house:Uranus:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your fifth house brings surprise to love, creativity and play: sudden romances, original art, hobbies no one expected. You need freedom in pleasure. Quick passions can burn out by the third week. Letting a project or a love grow past its first thrill shows what your originality can build.</source>
        <comment>house:Uranus:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your sixth house needs variety and freedom in daily work, and you may thrive with flexible hours, technology or unusual jobs. Rigid routine chafes. Jobs or methods may change so often that nothing settles. A structure you design yourself lets your inventiveness make daily life run better.</source>
        <comment>house:Uranus:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your seventh house seeks partners who are unusual, independent or who keep you guessing, and partnerships may start or change suddenly. A partner who works nights or lives across town may suit you better than one home every evening. Instability or distance in close bonds is the difficulty; agreeing openly on space and freedom can keep a bond alive without holding either of you in place.</source>
        <comment>house:Uranus:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your eighth house brings sudden changes through shared resources, intimacy or crisis, and an unconventional approach to trust. You may open up to a near-stranger on a train yet stay guarded with people you have known for years. A reluctance to depend on anyone can come with that independence; letting someone share your burdens makes the shocks easier to ride.</source>
        <comment>house:Uranus:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your ninth house gives you radical or original views on faith, learning and the wider world. You may drop a course halfway to take up a stranger one, or learn a language nobody around you speaks. Dismissing every tradition is the risk; testing the new against what has served you lets your independent mind teach others.</source>
        <comment>house:Uranus:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your tenth house points to an unusual or changing career: you may work freelance, in technology or reform, or change direction more than once. Authority chafes. The instability of such a path is the cost; building a reputation for excellence in what you do lets you keep your freedom and still be trusted.</source>
        <comment>house:Uranus:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your eleventh house draws you to unusual friends, progressive groups and causes that look years ahead. You may meet people suddenly who change your course. Friendships can end as quickly as they start. Staying in touch through the changes, a message after a move, gives your social world depth as well as breadth.</source>
        <comment>house:Uranus:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus in your twelfth house brings sudden insights from below the surface of the mind and a hidden streak of rebellion. Answers may arrive in the shower or on a late walk, and you may need unusual ways to recharge in private. A restlessness you cannot name comes with it; writing, meditation or solitary experiment helps bring those private flashes into useful form.</source>
        <comment>house:Uranus:12</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your first house gives you a gentle, elusive presence, and people may see in you what they hope to see. You may be unusually receptive to atmosphere and to others&apos; feelings. Where you end and others begin can blur. Knowing your own wishes, and stating them, gives your softness a clear outline.</source>
        <comment>house:Neptune:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your second house brings an idealistic or vague relation to possessions and earnings: you may give freely, value beauty over price, or lose track of what you own. Accounts can go unchecked for months, and a budget can be more wish than plan. A plain record of what comes in and goes out protects your generous instincts.</source>
        <comment>house:Neptune:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your third house gives an imaginative, poetic mind that thinks in pictures and picks up hints from the air. You may write beautifully or sense what others leave unsaid. Messages can go vague and plans can be misheard; confirming the time and place in writing keeps your intuitive way with words from leaving a friend at the wrong cafe.</source>
        <comment>house:Neptune:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your fourth house softens the walls of home into a refuge for dreams, music and retreat, and family life may have held confusion or sacrifice. You may idealise home, or long for one that lives mostly in memory. The use of this longing is to build a home that feeds the spirit as well as the everyday, with clear roles within it.</source>
        <comment>house:Neptune:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your fifth house brings imagination to love and creativity: romance like a film, art that flows, play that enchants children. The risk is loving an illusion or chasing a dream of romance that real people cannot match; honest eyes in love and discipline in art let your inspiration take form.</source>
        <comment>house:Neptune:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your sixth house seeks meaning in daily work and may draw you to care, art or service. Routine can feel dull unless it serves an ideal. Papers can pile up unsorted, and colleagues may lean on your good nature more than is fair; firm schedules and clear duties let your compassion work without wearing you out.</source>
        <comment>house:Neptune:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your seventh house idealises partnership, and you may be drawn to artistic, spiritual or fragile partners. Love may feel like a calling. You may be unsure who a partner really is, or rescue them at your own expense. Seeing partners clearly, faults and all, lets your devotion be met in kind.</source>
        <comment>house:Neptune:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your eighth house brings mystery to intimacy and to what you share with others: a longing to merge, and a fascination with what is hidden or unseen. You may lend a partner your keys, your time or your secrets without asking what comes back. Boundaries blur easily here; clear agreements and honest disclosure protect the trust that lets your closeness run deep.</source>
        <comment>house:Neptune:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your ninth house draws you to spiritual searching, poetry, distant places and faith. A single line in a book, or a chapel found by chance on a walk abroad, can stay with you for weeks. Following a teacher or a belief without question is the risk; asking what a teaching changes in your daily life keeps your faith alive and your judgment sound.</source>
        <comment>house:Neptune:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your tenth house may draw you to a vocation in art, care, film or anything that serves a vision. Your reputation can be glamorous or vague. Your direction may stay unclear for years, or others may project an image onto you that is not yours. Goals written down in plain words let the dream become a career.</source>
        <comment>house:Neptune:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your eleventh house draws you to idealistic friends, creative groups and causes that serve a vision. You may feel a kinship with everyone. Friends may disappoint when they fall short of the ideal, and accepting people as they are keeps your hopes for the group grounded and generous.</source>
        <comment>house:Neptune:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune in your twelfth house opens a rich inner life: dreams, imagination, compassion and a feel for the unseen. You may need retreat and find peace in music or quiet devotion. Escape can tempt you, and other people&apos;s sorrows can settle in you as if they were your own. Solitude with a purpose, an hour of prayer, writing or simply sitting still, lets your sensitivity serve others.</source>
        <comment>house:Neptune:12</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your first house makes your presence intense and magnetic: a room may go quiet when you walk in, before you have said a word. You may reinvent yourself more than once. You may guard yourself closely and try to control how you are seen; letting yourself be known, vulnerabilities included, turns that intensity toward trust.</source>
        <comment>house:Pluto:1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your second house makes possessions and resources a matter of power: you may build your means with determination and live through big swings between having and lacking. Possessiveness and a fear of lack can take hold; recognising that your deepest resource is your own resilience loosens the grip on things.</source>
        <comment>house:Pluto:2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your third house gives a penetrating mind that seeks the truth behind words, and your speech can persuade or wound. Siblings or early schooling may have carried intensity. An idea or a secret can take hold of you for weeks. Used to understand rather than to prevail, your investigative mind is formidable.</source>
        <comment>house:Pluto:3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your fourth house roots deep forces in family and home: you may carry a family secret, live through upheaval at home, or be the one who transforms the household. The use of that weight is renewal; facing old family patterns with honesty frees you to keep what was good in your family and set the rest down.</source>
        <comment>house:Pluto:4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your fifth house brings intensity to love, creativity and pleasure: passionate romances, creative work that consumes you, deep bonds with children. Jealousy or control can creep into love and play, and letting your creations and loves have a life of their own gives your passion its most generous form.</source>
        <comment>house:Pluto:5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your sixth house puts a fierce will into daily work: you may overhaul methods, take on the job everyone else has given up on, or feel driven to master routine. Work can turn compulsive, and a disagreement over method can become a contest of wills. Transforming one thing at a time lets your drive reshape your days without wearing you down.</source>
        <comment>house:Pluto:6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your seventh house draws you into intense, transforming partnerships, and you may meet powerful partners or rivals. A single close bond may reshape your habits, your friends and your ambitions. Control and the fear of betrayal can creep in between you; equal terms and open talk about power let a partnership become a place of deep renewal.</source>
        <comment>house:Pluto:7</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your eighth house is at home in depth: intimacy, shared resources and hidden truths draw you, and you may read people&apos;s motives before they know them. A late talk that strips away the pleasantries can feel more real to you than a month of easy evenings. You may try to control others or keep secrets too long, yet trusting someone with your depths shows the strength that lies in sharing power.</source>
        <comment>house:Pluto:8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your ninth house gives your beliefs an intense, transforming force, and travel or study may change you at the root. A teacher met at twenty may still shape how you argue at fifty. Zealotry or a crisis of faith is the risk; welcoming challenges to your view lets your convictions deepen rather than harden.</source>
        <comment>house:Pluto:9</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your tenth house brings a drive for power and achievement in public life, and your career may pass through dramatic rises and turns. You may rebuild a department, or your own working life, after a setback that would have stopped others. Clashes with authority and a ruthless streak under pressure are the trouble; using your influence for something beyond your own rise wins you allies as well as rivals.</source>
        <comment>house:Pluto:10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your eleventh house makes friendship and group life a matter of depth: you may be drawn to movements for change and to friends who transform you. Power struggles can arise in your circles, and some friendships may end abruptly; choosing allies with care makes your influence in groups a force for good.</source>
        <comment>house:Pluto:11</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto in your twelfth house gives a deep, hidden inner life, and you may face private fears or secrets that ask for courage. You may keep a notebook nobody else reads, or do your strongest work where no one sees it. You may push feelings down rather than face them; quiet reflection, an honest confidant or creative work lets those depths become a source of strength.</source>
        <comment>house:Pluto:12</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreReport</name>
    <message>
        <source>No Planet is present in this aspect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <comment>first and last line of the report: %1 the home page</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computed for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(orb %1, applying)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(orb %1, separating)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic (as in version 1.15)</source>
        <comment>the model of the sky a chart was computed with</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise (Swiss Ephemeris)</source>
        <comment>the model of the sky a chart was computed with</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placidus</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koch</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Sign</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porphyry</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campanus</source>
        <comment>a house system</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Trine</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kite</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grand Cross</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T-Square</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yod</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mystic Rectangle</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stellium</source>
        <comment>an aspect pattern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The classic model computes the mean node only.</source>
        <comment>what a model of the sky cannot compute</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiron is computed in the precise model only.</source>
        <comment>what a model of the sky cannot compute</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiron can be computed only for 1800 to 2399, the years of the ephemeris files.</source>
        <comment>what a model of the sky cannot compute</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreSignificance</name>
    <message>
        <source>A conjunction fuses two planets, 0 degrees apart, into a single force. Their principles can no longer act alone, and as they usually share a sign, its element and quality colour both. It is the most powerful contact in a chart, expressed strongly and often unawares, for good or ill. Zodrivel counts it within 10 whole degrees of exact: the distance is rounded to the nearest degree, an exact half to the even one, so 10.5 degrees still counts and 11 does not.</source>
        <comment>Conjunction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A semi-sextile links planets 30 degrees apart, in neighbouring signs that share neither element nor quality and so see the world from different angles. Its effect is subtle, more a quiet response than an event, and it shows where steady adjustments are needed. Zodrivel counts it within 2 whole degrees of exact, from 28 to 32: the distance is rounded to the nearest degree, an exact half to the even one, so 27.5 and 32.5 degrees still count.</source>
        <comment>SemiSextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sextile joins planets 60 degrees apart, in compatible elements, fire with air or earth with water, and marks an opportunity. The two principles cooperate readily, but the gift asks for a little initiative; acted on, talents develop and contacts open. Zodrivel counts it within 4 whole degrees of exact, from 56 to 64: the distance is rounded to the nearest degree, an exact half to the even one, so 55.5 and 64.5 degrees still count.</source>
        <comment>Sextile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A square sets two planets 90 degrees apart, at cross purposes, usually in signs of the same quality but clashing elements. It brings irritation, inner pressure and obstacles that do not go away by being ignored, and that discomfort drives action and many hard-won achievements. Zodrivel counts it within 8 whole degrees of exact, from 82 to 98: the distance is rounded to the nearest degree, an exact half to the even one, so 81.5 and 98.5 degrees still count.</source>
        <comment>Square</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A trine links planets 120 degrees apart, in signs of the same element, so their energies flow together and support each other. It describes natural talent, sometimes so readily given that you take it for granted, and yields its best when you put the gift to work. Zodrivel counts it within 6 whole degrees of exact, from 114 to 126: the distance is rounded to the nearest degree, an exact half to the even one, so 113.5 and 126.5 degrees still count.</source>
        <comment>Trine</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A quincunx joins planets 150 degrees apart, in signs that share neither element nor quality and have no natural understanding of each other. It brings a persistent sense that something does not fit, often felt in health, schedules or duties, and calls for ongoing adjustment. Zodrivel counts it within 3 whole degrees of exact, from 147 to 153: the distance is rounded to the nearest degree, an exact half to the even one, so 146.5 and 153.5 degrees do not count.</source>
        <comment>Quincunx</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An opposition places two planets 180 degrees apart, across the zodiac, facing each other like rivals or partners. It brings a swing between extremes, or meeting one side of yourself in other people, and the task is balance. Zodrivel counts it within 10 whole degrees of exact, from 170 to 180 degrees apart either way round: the distance is rounded to the nearest degree, an exact half to the even one, so 169.5 degrees still counts.</source>
        <comment>Opposition</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreSigns</name>
    <message>
        <source>Aries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreSummary</name>
    <message>
        <source>%1 %2 %3</source>
        <comment>a date: %1 day, %2 month name, %3 year</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UT %1 %2</source>
        <comment>%1 the date, %2 the time (hh:mm)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving is ticked, but %1 already includes it: the hour is taken off twice. Choose the standard-time zone, or untick daylight saving.</source>
        <comment>%1 the zone&apos;s name</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone %1 lies on the other side of Greenwich from a longitude of %2. Check the zone and the East/West choice.</source>
        <comment>%1 the zone&apos;s name, %2 the longitude (74°00&apos;W)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <comment>east, after a longitude (74°00&apos;E)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <comment>west, after a longitude (74°00&apos;W)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <comment>north, after a latitude (40°43&apos;N)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <comment>south, after a latitude (40°43&apos;S)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a zone: %1 its name, %2 its abbreviation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, daylight saving</source>
        <comment>%1 a zone, as &quot;Central European Time (CET)&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreTimeZones</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East,IDLE,+12.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West,IDLW,-12.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <comment>a row of the zone list: name, abbreviation, hours from Greenwich</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atlantic War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Central Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Australian Western Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Azores Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baghdad Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bering Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brazil Zone 2</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Double Summer Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Summer Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Daylight</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>China Coast Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern European Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eastern War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greenwich Mean Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guam Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hawaiian War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indian Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line East</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Int&apos;l Date Line West</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iran Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Java Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle European Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moluccas Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mountain War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Std Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Summer Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Zealand Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Newfoundland Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North Sumatra Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pacific War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Australia Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Sumatra Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 10</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 3</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 4</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 5</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USSR Zone 6</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West Africa Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Daylight Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon Standard Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yukon War Time</source>
        <comment>a zone&apos;s name, as a note names it</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveChangesBox</name>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::AboutWindow</name>
    <message>
        <source>Zodrivel calculates the angular distance or aspects between different planets. Each aspect is associated with different characteristics or attributes that are reflected in an individual&apos;s personality. Know what aspects are present in your natal chart with Zodrivel software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our home page for more astrology software and our discussion board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zodrivel icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise positions: the Swiss Ephemeris, by Astrodienst AG (www.astro.com/swisseph), under the GNU Affero General Public License.
Places and coordinates: GeoNames (www.geonames.org), under the Creative Commons Attribution 4.0 licence.
Windows: Qt %1, by The Qt Company (www.qt.io), under the GNU Lesser General Public License.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::BirthDocument</name>
    <message>
        <source>Zodrivel birth (*.zodrivel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Birth…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Birth &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The birth cannot be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the new birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to %1 before it is closed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (not found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No recent births</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear the List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Birth File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Birth File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ChartPanel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local time of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The universal date and time the positions were computed for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note on the time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions of the bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth and positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Houses: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(%1 cannot be drawn beyond the polar circles)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moves %2° a day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asc  Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MC  Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects with their orbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact separation %1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>separating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, from the time-zone history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset from Greenwich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marked on the wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab to the wheel, then the arrow keys walk the bodies and the aspect lines; Enter opens an aspect&apos;s tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Born %1 %2 local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note on the points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the mean node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the true node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects to the points and angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(apex %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(in %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading of the pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth, aspects and patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No aspect lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect lines: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square, Opposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quincunx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sextile, Trine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-sextile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>house %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orb %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>separating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To a point or angle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ClickableLabel</name>
    <message>
        <source>Opens %1 in the web browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::EntryWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the person born, in letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour of birth, local time, 0 to 23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find latitude and longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searches the web for the coordinates of the city, state and country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time zone of the place of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick when the clocks were set forward at the time of birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculates the chart and shows the aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the first letters and choose the place from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time-zone database has no zone %1: choose the zone and the daylight box by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The clocks showed this time twice; the reading you chose is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> That time never showed on the clocks; the offset you chose is used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: %1 kept daylight time on %2 (%3); the row of its standard time and the daylight box give that offset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: %1 kept standard time on %2 (%3); the row gives that offset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: %1 was %2 on %3. No row of the list has this offset, so the entry at the top uses it exactly; the daylight box is not added to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone set by hand: the row and the daylight box are used as chosen, whatever the place&apos;s time zone says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (daylight)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (standard)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: in %1 the clocks showed %2 twice; which reading was meant is asked before the chart is calculated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone from the place: in %1 the clocks went forward over %2; which offset the time was read in is asked before the chart is calculated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1 the clocks showed %2 twice: first as %3, then, after they were set back, as %4.

Which reading was the time of birth?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1 the clocks went forward over %2: that time was never shown. Were the clocks the time of birth was read on still at %3, or already at %4?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::PageOpeners</name>
    <message>
        <source>No web browser could be opened. Copy this address into one:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be opened for the look-up. Search the web for the place&apos;s coordinates with:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ReportWindow</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The aspects of the chart as the report prints them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our web site for more astrology software and free reports.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk astrology with other readers on our online discussion board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the report as a Rich Text Format file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the report, or the selected part of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the report as a PDF file, with the name and page numbers on every page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the report as a Rich Text Format (.rtf) file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the report as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report as RTF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By kind, as documented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strongest first, by orb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order of the aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aspects:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::ResultWindow</name>
    <message>
        <source>Aspects by kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect kinds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart wheel could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary Aspect - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Significance </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 significance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planets in this Aspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The aspects of this kind in the chart, each with its reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the report, to save or print it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Goes back to the entry window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart &amp;Wheel...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placidus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transits...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the transits to this chart, on a timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North &amp;Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;True node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mean node</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::SingleInstance</name>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::TransitOrbsDialog</name>
    <message>
        <source>Transit Orbs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far from exact, in degrees, a moving body counts as in aspect to the birth chart.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orb of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::TransitTimeline</name>
    <message>
        <source>Transit timeline</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n transit(s) from %1 to %2</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>In orb (%1°): %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not exact within the dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the pointer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No transits within these dates for the moving bodies chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::TransitWheel</name>
    <message>
        <source>Birth chart with the moving bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::TransitsWindow</name>
    <message>
        <source>Transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transits for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading of the transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a transit on the timeline (a click, or the arrow keys and Enter) to read what it means.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day of the transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last day of the transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Orbs...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i&amp;Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the transits as calendar events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;PDF Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the transits and their readings as a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving bodies:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transits of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of the moving bodies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to i&amp;Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;PDF Report...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Whole Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 natal %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Search stopped: %n transit(s) found until then.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transit(s) from %1 to %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The sky of %1, 12:00 UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Within %1° from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>before the first day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after the last day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not exact within these dates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No reading is written for this transit yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transits could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Transits to iCalendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Transits as PDF Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zodrivel::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
