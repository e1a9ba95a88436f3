#include "core/AsanaCatalogue.h"

namespace {

constexpr int MaxSteps = 8;
constexpr int MaxBenefits = 5;
constexpr bool EachSide = true;
constexpr bool Once = false;

// Steps and benefit items are written without their numbers; the catalogue numbers them.
// Unused trailing entries stay null.
struct AsanaContent
{
    const char* displayName;
    const char* pictureKey;
    const char* englishName;
    const char* definition;
    std::array<const char*, MaxSteps> procedure;
    Hold hold; // the shortest hold the procedure names
    bool benefitsIsParagraph;
    std::array<const char*, MaxBenefits> benefits;
    const char* contraIndication;
};

const std::array<AsanaContent, AsanaCount> Asanas = {{
    {
        "Sarvangasana",
        "19 Sarvangasana.jpg",
        "Shoulder Stand Pose",
        "Sarvangasana comes from the Sanskrit words sarva (all), anga (limb) and asana (posture): the pose of all the "
        "limbs, so called because it benefits the whole body. The body is balanced upside down on the shoulders and "
        "upper arms, trunk and legs raised in one vertical line, the chest pressed against the chin.",
        {
            "Lie flat on your back with the shoulders on a folded blanket, the legs together, the arms beside the body "
            "and the palms pressed to the floor.",
            "Breathing out, bend the knees, lift the hips and bring the knees over the chest; support the back with "
            "both hands, the elbows on the floor no wider than the shoulders.",
            "Straighten the legs slowly upwards until trunk and legs are vertical, the chest towards the chin; keep "
            "the "
            "weight on the shoulders and upper arms, never on the neck, and do not turn the head. Breathe evenly and "
            "hold for 30 seconds at first, up to 3 minutes with practice.",
            "To come down, bend the knees towards the forehead, roll the back down slowly with the hands supporting "
            "it, lower the legs to the floor and rest in Savasana.",
        },
        {30, Once},
        false,
        {
            "Improves the blood circulation to the brain, heart and upper body and relieves tired, swollen legs.",
            "Stimulates the thyroid and parathyroid glands through the pressure of the chin against the throat.",
            "Strengthens the shoulders, arms and back and stretches the back of the neck.",
            "Calms the nerves and helps to relieve fatigue, mild insomnia and constipation.",
        },
        "Avoid during menstruation and pregnancy, and with high blood pressure, heart disease, glaucoma, a detached "
        "retina, a neck or shoulder injury, or an ear or sinus infection. Beginners should learn it from a teacher, "
        "with folded blankets under the shoulders.",
    },
    {
        "Makarasana",
        "10 Makarasana.jpg",
        "Crocodile Pose",
        "Makara means crocodile in Sanskrit. In Makarasana the body lies face down, loose and still like a crocodile "
        "resting in shallow water, the head resting on the folded arms. It is a posture of relaxation, practised after "
        "the asanas that bend the back.",
        {
            "Lie on your stomach with the legs stretched out and the forehead on the floor.",
            "Spread the legs a comfortable distance apart, the heels turned inwards and the toes pointing outwards.",
            "Fold the arms in front of the head, the right hand on the left shoulder and the left hand on the right "
            "shoulder, and rest the forehead or the chin on the crossed forearms.",
            "Close the eyes and relax the whole body; breathe slowly and deeply into the abdomen, feeling it press "
            "against the floor as you breathe in and soften as you breathe out.",
            "Stay for one to five minutes, then bring the legs together, unfold the arms and turn onto your back to "
            "rest.",
        },
        {60, Once},
        false,
        {
            "Relaxes the body and mind deeply and relieves stress, tension and fatigue.",
            "Releases tension in the lower back; yoga therapy advises it for backache and sciatica.",
            "Encourages slow, deep abdominal breathing, which helps people with asthma and other lung complaints.",
        },
        "Avoid after the first months of pregnancy, after recent abdominal surgery, and with heart trouble or "
        "breathing difficulty that makes lying face down uncomfortable. With a stiff neck, rest the forehead rather "
        "than the chin on the arms.",
    },
    {
        "Savasana",
        "21 Shavasana.jpg",
        "Corpse Pose",
        "Sava means corpse in Sanskrit. In Savasana the body lies flat on the back, completely still and relaxed like "
        "a corpse, while the mind stays awake and aware. It is practised at the end of every yoga session and to rest "
        "between the more strenuous asanas.",
        {
            "Lie flat on your back on a mat, the legs slightly apart with the feet falling outwards, and the arms a "
            "little away from the body with the palms turned up.",
            "Close the eyes, let the head rest in line with the spine and settle the body so that you need not move "
            "again.",
            "Relax every part of the body in turn, from the toes up to the crown of the head, and let the breath "
            "become slow, natural and rhythmic; watch it without controlling it.",
            "Stay still and aware for five to ten minutes; then breathe more deeply, move the fingers and toes gently, "
            "roll onto your right side and sit up slowly.",
        },
        {300, Once},
        false,
        {
            "Relaxes the whole body and releases physical and mental tension.",
            "Reduces stress and anxiety and calms the nervous system.",
            "Helps to lower high blood pressure and slows the heart and breathing rates.",
            "Restores energy after strenuous asanas and relieves fatigue.",
            "Improves concentration and helps people with insomnia to sleep well.",
        },
        "Savasana is safe for almost everyone. In late pregnancy lie on the left side instead; with lower back pain "
        "place a cushion under the knees. People suffering from depression should practise it with the eyes open, "
        "guided by a teacher.",
    },
    {
        "Halasana",
        "08 Halasana.jpg",
        "Plough Posture",
        "Hala means plough in Sanskrit. In Halasana the body lies on the back, the hips are raised and the straight "
        "legs are taken over the head until the toes touch the floor behind it, so that the body takes the shape of "
        "the plough used in the fields of India.",
        {
            "Lie flat on your back with the shoulders on a folded blanket, the legs together, the arms beside the body "
            "and the palms facing down.",
            "Breathing in, press the palms into the floor and raise both legs slowly to the vertical, keeping them "
            "straight.",
            "Breathing out, lift the hips and back off the floor and lower the legs over the head until the toes touch "
            "the floor behind it; support the back with the hands if needed.",
            "Keep the legs straight and the weight on the shoulders, not the neck, and do not turn the head. Breathe "
            "normally and hold for 30 seconds to a minute, or as long as is comfortable.",
            "To come out, place the arms on the floor and roll the spine down slowly, one vertebra at a time, then "
            "lower the legs with control and rest in Savasana.",
        },
        {30, Once},
        false,
        {
            "Stretches the whole spine, the shoulders and the hamstrings and keeps the back supple.",
            "Massages the abdominal organs, improving digestion and relieving constipation.",
            "Stimulates the thyroid gland and calms the brain, reducing stress and fatigue.",
        },
        "Avoid with a neck or spinal injury, a slipped disc, high blood pressure, heart disease or glaucoma, during "
        "menstruation and in pregnancy. Beginners should learn it from a teacher. Never force the feet to the "
        "floor: if they do not reach it, rest them on a chair.",
    },
    {
        "Padmasana",
        "15 Padmasana.jpg",
        "Lotus Pose",
        "Padma means lotus in Sanskrit. In Padmasana the practitioner sits cross-legged with each foot resting on the "
        "opposite thigh, the soles turned up like the petals of a lotus. It is the classic seated posture for "
        "meditation and breathing practice.",
        {
            "Sit on the floor with the legs stretched out in front and the spine erect.",
            "Bend the right knee and, holding the right foot with both hands, place it on top of the left thigh close "
            "to the hip, the sole turned up.",
            "Bend the left knee and place the left foot on top of the right thigh in the same way, so that both heels "
            "are close to the abdomen.",
            "Let both knees rest on the floor; keep the head, neck and spine upright and the shoulders relaxed.",
            "Rest the hands on the knees, palms up, the thumb and index finger touching; close the eyes and breathe "
            "slowly and evenly.",
            "Hold for as long as is comfortable, then release the legs gently and repeat with the left foot placed "
            "first. Never force the knees; sit in Half Lotus if the full pose strains them.",
        },
        {60, EachSide, Side::Right}, // "as long as is comfortable": a minute; the right foot goes first
        true,
        {
            "Calms the mind and aids meditation, keeps the spine erect, makes the knees and ankles supple, and "
            "stimulates the pelvis, spine, abdomen and bladder.",
        },
        "Avoid with a knee or ankle injury or sciatica. Those with stiff hips or knees should sit in Half Lotus or a "
        "simple cross-legged pose; forcing the legs into position can injure the ligaments of the knee.",
    },
    {
        "Dhanurasana",
        "05 Dhanurasana.jpg",
        "Bow Pose",
        "Dhanu means bow in Sanskrit. In Dhanurasana the body lies on the stomach and the hands hold the ankles, so "
        "that the arched trunk and legs form the bow and the straight arms its string.",
        {
            "Lie on your stomach with the forehead on the floor, the legs together and the arms beside the body.",
            "Bend the knees and bring the heels close to the buttocks.",
            "Reach back and hold the ankles firmly with the hands, keeping the knees no wider than the hips.",
            "Breathing in, lift the chest off the floor and at the same time raise the thighs by pulling the feet away "
            "from the buttocks.",
            "Look forward or slightly up, balancing on the abdomen with the arms kept straight.",
            "Hold for 15 to 20 seconds, breathing slowly and steadily; do not hold the breath.",
            "Breathing out, lower the thighs and chest to the floor and release the ankles.",
            "Stretch out the legs, turn the head to one side and relax in Makarasana.",
        },
        {15, Once},
        false,
        {
            "Makes the spine flexible and strengthens the back muscles.",
            "Stretches the chest, abdomen and thighs and the front of the neck.",
            "Massages the abdominal organs, helping digestion and relieving constipation.",
            "Improves posture and relieves fatigue and lethargy.",
        },
        "Avoid with high or low blood pressure, a hernia, a peptic ulcer, a back or neck injury or migraine, after "
        "recent abdominal surgery and during pregnancy. Women should not practise it during menstruation.",
    },
    {
        "Bhujangasana",
        "04 Bhujangasana.jpg",
        "Half- Cobra Pose",
        "Bhujanga means cobra in Sanskrit. In Bhujangasana the body lies face down and the chest is raised from the "
        "floor by the strength of the back, so that the head and trunk rise like the hood of a cobra while the legs "
        "stay on the ground.",
        {
            "Lie on your stomach with the legs together, the tops of the feet on the floor and the forehead resting on "
            "the floor.",
            "Place the palms on the floor beside the chest, the fingers pointing forward and the elbows close to the "
            "body.",
            "Breathing in, slowly lift the head, then the shoulders and chest, using the back muscles more than the "
            "arms; keep the navel on the floor.",
            "Keep the elbows slightly bent and the shoulders down, away from the ears, and look forward or slightly up "
            "without straining the neck.",
            "Hold for 10 to 30 seconds with normal breathing, the legs and buttocks relaxed.",
            "Breathing out, lower the chest, shoulders and forehead slowly to the floor, turn the head to one side and "
            "relax.",
        },
        {10, Once},
        true,
        {
            "Makes the spine strong and supple, opens the chest and lungs, relieves backache and fatigue, and tones "
            "the abdominal and reproductive organs.",
        },
        "Avoid during pregnancy and with a hernia, a peptic ulcer, recent abdominal surgery, a back injury or carpal "
        "tunnel syndrome. People with an overactive thyroid or a severe headache should not practise it.",
    },
    {
        "Paschimottasana",
        "17 Paschimottanasana.jpg",
        "Forward Bend Pose",
        "Paschima means west, the back of the body, and uttana means an intense stretch. In this seated forward bend "
        "the whole back of the body, from the heels to the head, is stretched as the trunk folds over the "
        "outstretched legs.",
        {
            "Sit on the floor with the legs stretched out in front, the feet together and the toes pointing up; keep "
            "the spine erect.",
            "Breathing in, raise both arms above the head and stretch the spine upwards.",
            "Breathing out, bend forward from the hips, not the waist, keeping the back long and the knees straight.",
            "Hold the big toes, the ankles or the shins, whichever you can reach without strain.",
            "With each breath out, lengthen the trunk and bring the abdomen towards the thighs and then the head "
            "towards the knees.",
            "Hold for 20 to 60 seconds, breathing slowly; do not bounce or force the stretch.",
            "Breathing in, raise the trunk and arms slowly, then lower the arms and relax.",
        },
        {20, Once},
        false,
        {
            "Stretches the spine, the hamstrings and the whole back of the body.",
            "Massages and tones the abdominal and pelvic organs, improving digestion.",
            "Calms the brain and relieves stress, anxiety and mild depression.",
            "Loosens the hips, stretches the calves and improves the appetite.",
        },
        "Avoid with a slipped disc, sciatica, a back injury, asthma or diarrhoea and during pregnancy. People with "
        "stiff hamstrings should bend the knees slightly or hold a strap looped around the feet.",
    },
    {
        "Yoga Mudra",
        "32 Yoga Mudra.jpg",
        "Scaling Pose",
        "Yoga mudra means the seal of yoga. Seated in Padmasana with the hands clasped behind the back, the "
        "practitioner bends forward until the forehead touches the floor, sealing in the energy awakened by the "
        "practice and turning the mind inward.",
        {
            "Sit in Padmasana, or in a simple cross-legged pose if the Lotus is difficult, with the spine erect.",
            "Take the arms behind the back and hold the left wrist with the right hand.",
            "Close the eyes, relax the body and breathe in deeply.",
            "Breathing out, bend forward slowly from the hips until the forehead rests on the floor in front of the "
            "knees, or as low as is comfortable.",
            "Stay for 30 seconds to a minute, breathing slowly, the hands relaxed behind the back.",
            "Breathing in, come back slowly to the upright position and release the hands; repeat once or twice, "
            "changing the crossing of the legs.",
        },
        {30, Once},
        false,
        {
            "Massages the abdominal organs and relieves constipation and indigestion.",
            "Makes the spine flexible and tones the nerves of the back.",
            "Calms the mind and prepares it for meditation.",
            "Eases anger and tension and helps to steady the emotions.",
            "Improves the blood circulation to the face and brain.",
        },
        "Avoid with high blood pressure, heart disease, a hernia, serious back or eye problems and during pregnancy. "
        "People with stiff knees or hips should sit cross-legged instead of in Lotus.",
    },
    {
        "Naukasana",
        "14 Noukasana.jpg",
        "Boat Pose",
        "Nauka means boat in Sanskrit. In Naukasana the body balances on the buttocks with the legs and trunk raised "
        "off the floor and the arms stretched forward, so that it takes the V shape of a boat.",
        {
            "Lie flat on your back with the legs together and the arms beside the body, the palms facing down.",
            "Breathe in deeply and tighten the abdominal muscles.",
            "Breathing out, raise the legs, the arms, the head and the trunk together, keeping the legs straight and "
            "stretching the arms forward towards the toes.",
            "Balance on the buttocks with the toes level with the eyes, so that the body forms a V; keep the back "
            "straight and the shoulders relaxed.",
            "Hold for 10 to 20 seconds with normal breathing.",
            "Breathing out, lower the trunk and legs slowly to the floor and relax in Savasana; repeat two or three "
            "times.",
        },
        {10, Once},
        false,
        {
            "Strengthens the muscles of the abdomen, back and legs.",
            "Tones the digestive organs and strengthens the hip flexors.",
            "Improves balance and relieves nervous tension.",
        },
        "Avoid with low blood pressure, migraine, asthma, heart disease, recent abdominal surgery or a back injury, "
        "and during pregnancy and menstruation. Bend the knees if the lower back strains.",
    },
    {
        "Mayurasana",
        "13 Mayurasana.jpg",
        "Feathered Peacock Pose",
        "Mayura means peacock in Sanskrit. In Mayurasana the whole body is balanced level with the floor on the two "
        "hands, the elbows pressed into the abdomen, like a peacock walking with its tail feathers held out behind it.",
        {
            "Kneel on the floor with the knees apart and sit back on the heels; place a cushion on the floor in front "
            "of you while learning.",
            "Lean forward and put the palms on the floor between the knees, the fingers pointing back towards the "
            "feet, and bring the forearms together.",
            "Bend the elbows and rest the abdomen on them, the elbows pressing in near the navel, and rest the chest "
            "on the upper arms.",
            "Stretch the legs out behind you one at a time, keeping them together, the toes on the floor.",
            "Breathing out, shift the weight forward onto the hands and lift the legs until the body balances level "
            "on the hands; keep the head up and hold for 10 seconds, or as long as is comfortable.",
            "Lower the feet to the floor first, then the knees, release the hands and sit back on the heels to rest.",
        },
        {10, Once},
        false,
        {
            "Stimulates digestion and helps to relieve constipation and wind.",
            "Strengthens the wrists, forearms and shoulders.",
            "Tones the abdominal organs and muscles through the pressure of the elbows.",
            "Improves balance and concentration.",
            "Builds physical strength and vitality.",
        },
        "Avoid with high blood pressure, heart disease, a hernia, a peptic ulcer or a wrist or elbow injury, during "
        "pregnancy and menstruation. Practise it only on an empty stomach; beginners should learn it from a "
        "teacher.",
    },
    {
        "Vajrasana",
        "29 Vajrasana.jpg",
        "Thunderbolt Pose",
        "Vajra means thunderbolt or diamond in Sanskrit. Vajrasana is a kneeling posture in which the practitioner "
        "sits on the heels with the back erect; it makes the body firm and steady, and it is the one asana that may be "
        "practised straight after a meal.",
        {
            "Kneel on the floor with the knees together, the big toes touching and the heels a little apart.",
            "Lower the buttocks slowly and sit on the heels, the soles turned up and the weight resting evenly on both "
            "feet.",
            "Place the hands on the knees, palms down, and hold the head, neck and back upright without strain.",
            "Close the eyes, relax the arms and shoulders and breathe slowly and evenly, watching the breath.",
            "Sit for five to ten minutes, or as long as is comfortable; then lean forward, come up onto the knees and "
            "stretch the legs out one at a time.",
        },
        {300, Once},
        true,
        {
            "Aids digestion when practised after meals, relieves acidity and wind, strengthens the pelvic muscles, "
            "keeps the back straight and steadies the mind.",
        },
        "People with a knee or ankle injury or piles should sit with a cushion between the buttocks and the heels, or "
        "avoid the pose; after recent knee surgery, avoid it altogether. Pregnant women should keep the knees slightly "
        "apart.",
    },
    {
        "Simhasana",
        "23 Simhasana.jpg",
        "Lion Pose",
        "Simha means lion in Sanskrit. In Simhasana the practitioner kneels with the hands on the knees, opens the "
        "mouth wide, stretches out the tongue, stares with wide eyes and breathes out with a roar, like a fierce "
        "lion.",
        {
            "Sit in Vajrasana with the knees apart and the buttocks resting on the heels.",
            "Lean forward and place the palms on the knees, the fingers spread wide like a lion's claws and the arms "
            "straight.",
            "Breathe in deeply through the nose.",
            "Open the mouth wide, stretch the tongue out and down towards the chin as far as it will go, and gaze at "
            "the point between the eyebrows.",
            "Breathing out slowly through the mouth, make a loud, steady \"aaah\" sound from the throat, like a "
            "roar.",
            "At the end of the breath close the mouth and relax the face; repeat three to five times, then sit back "
            "and rest.",
        },
        {30, Once}, // three roars, each one long breath
        false,
        {
            "Relieves tension in the face, jaw and chest and tones the facial muscles.",
            "Benefits the throat, voice and tonsils and helps with stammering.",
            "Releases anger and stress and builds confidence.",
        },
        "People with a knee injury should sit cross-legged or on a chair instead of kneeling. Those with a sore "
        "throat or a neck injury should not roar loudly or strain the neck.",
    },
    {
        "Garudasana",
        "06 Garudasana.jpg",
        "Eagle Pose",
        "Garuda is the king of birds in Indian mythology, the eagle on which Lord Vishnu rides. In Garudasana the "
        "practitioner stands on one leg with the other leg and both arms wound around each other, like an eagle "
        "gathering itself before flight.",
        {
            "Stand straight with the feet together and the arms beside the body.",
            "Bend the knees slightly, lift the right foot and cross the right thigh over the left; hook the right foot "
            "behind the left calf if you can.",
            "Bring the arms forward at shoulder height, cross the right arm under the left and bend the elbows, then "
            "wind the forearms round each other so that the palms face each other or meet.",
            "Keep the spine erect, lift the elbows to shoulder height and fix the gaze on one point in front of you to "
            "keep your balance.",
            "Hold for 15 to 30 seconds, breathing normally.",
            "Unwind the arms and legs slowly, stand straight, and repeat on the other side, the left leg crossed over "
            "the right and the left arm under the right.",
        },
        {15, EachSide, Side::Right}, // the right leg crosses over first
        true,
        {
            "Strengthens and stretches the ankles and calves, loosens the shoulders and upper back, improves balance "
            "and concentration, and relieves cramps in the legs.",
        },
        "Avoid with a knee, ankle or elbow injury. People with poor balance or low blood pressure, and women in "
        "pregnancy, should practise it beside a wall or keep the toes of the raised foot on the floor.",
    },
}};

struct Recommendation
{
    const char* sign;
    int asana;
    const char* heading;
};

// Each sign's list in display order, headed as the report spells the asana for that sign.
constexpr int RecommendationCount = 59;

const std::array<Recommendation, RecommendationCount> Recommendations = {{
    {"Aries", 1, "Sarvaangaasanaa"},
    {"Aries", 2, "Makaraasanaa"},
    {"Aries", 3, "Savaasanaa"},
    {"Taurus", 1, "Sarvaangaasanaa"},
    {"Taurus", 4, "Haalaasanaa"},
    {"Taurus", 3, "Savaasanaa"},
    {"Gemini", 5, "Padmaasanaa"},
    {"Gemini", 2, "Makaraasanaa"},
    {"Gemini", 6, "Dhanuraasanaa"},
    {"Gemini", 1, "Sarvaangaasanaa"},
    {"Gemini", 3, "Savaasanaa"},
    {"Cancer", 7, "Bhujangaasanaa"},
    {"Cancer", 8, "Paschimottasanaa"},
    {"Cancer", 6, "Dhanuraasanaa"},
    {"Cancer", 5, "Padmaasanaa"},
    {"Cancer", 3, "Savaasanaa"},
    {"Leo", 9, "Yoga Mudra"},
    {"Leo", 7, "Bhujangaasaana"},
    {"Leo", 10, "Naukaasanaa"},
    {"Leo", 3, "Savaasanaa"},
    {"Virgo", 1, "Sarvaangaasanaa"},
    {"Virgo", 4, "Haalaasanaa"},
    {"Virgo", 6, "Dhanuraasanaa"},
    {"Virgo", 7, "Bhujangaasanaa"},
    {"Virgo", 3, "Savaasanaa"},
    {"Libra", 1, "Sarvaangaasanaa"},
    {"Libra", 5, "Padmaasanaa"},
    {"Libra", 9, "Yoga Mudra"},
    {"Libra", 3, "Savaasanaa"},
    {"Scorpio", 1, "Sarvaangaasanaa"},
    {"Scorpio", 7, "Bhujangaasanaa"},
    {"Scorpio", 11, "Mayuraasanaa"},
    {"Scorpio", 6, "Dhanuraasanaa"},
    {"Scorpio", 3, "Savaasanaa"},
    {"Sagittarius", 1, "Sarvaangaasanaa"},
    {"Sagittarius", 12, "Vajraasanaa"},
    {"Sagittarius", 11, "Mayuraasanaa"},
    {"Sagittarius", 7, "Bhujangaasanaa"},
    {"Sagittarius", 3, "Savaasanaa"},
    {"Capricorn", 1, "Sarvaangaasanaa"},
    {"Capricorn", 6, "Dhanuraasanaa"},
    {"Capricorn", 8, "Paschimottaasanaa"},
    {"Capricorn", 7, "Bhujangaasanaa"},
    {"Capricorn", 13, "Simhaasanaa"},
    {"Capricorn", 5, "Padmaasanaa"},
    {"Capricorn", 3, "Savaasanaa"},
    {"Aquarius", 1, "Sarvaangaasanaa"},
    {"Aquarius", 6, "Dhanuraasanaa"},
    {"Aquarius", 8, "Paschimottaasanaa"},
    {"Aquarius", 7, "Bhujangaasanaa"},
    {"Aquarius", 5, "Padmaasanaa"},
    {"Aquarius", 3, "Savaasanaa"},
    {"Pisces", 1, "Sarvaangaasanaa"},
    {"Pisces", 2, "Makaraasanaa"},
    {"Pisces", 7, "Bhujangaasanaa"},
    {"Pisces", 14, "Garudaasanaa"},
    {"Pisces", 11, "Mayuraasanaa"},
    {"Pisces", 9, "Yoga Mudraa"},
    {"Pisces", 3, "Savaasanaa"},
}};

const std::array<const char*, YogaIntroductionCount> Introduction = {
    "The word yoga comes from the Sanskrit root yuj, which means to join or unite: yoga is the union of body, mind "
    "and spirit. An asana is a posture of the body, held steadily and at ease; as the sage Patanjali taught, an "
    "asana should be firm and pleasant.",
    "Yoga is a discipline as much as an exercise. It asks for regular practice at a fixed hour, on an empty "
    "stomach, "
    "in a quiet and airy place, and for patience: each asana is entered slowly, held without strain and released "
    "with care, the breath always calm and even. Its aims go far beyond a supple body. Yoga keeps the organs and "
    "glands healthy, steadies the breath and the flow of vital energy, frees the mind from restlessness and leads "
    "the "
    "practitioner towards self-knowledge and inner peace. Practised with devotion, it becomes a way of life.",
    "Yoga is one of the oldest sciences of India. Seals found in the Indus Valley, more than four thousand years "
    "old, show figures seated in what look like yoga postures, and the Vedas and Upanishads speak of its practice. "
    "The sage Patanjali gathered its teachings in the Yoga Sutras, setting out the eight limbs of yoga, and later "
    "masters added the asanas and breathing practices of Hatha Yoga.",
    "Yoga is above all a practice of meditation. The asanas make the body firm and still so that it can sit at "
    "ease, "
    "the breathing practices calm the restless flow of thought, and the mind, gathered to a single point, grows "
    "quiet. In that stillness worry and anger lose their hold. A few minutes of silent sitting after the asanas, "
    "watching the breath, leave the practitioner calm, clear and refreshed for the rest of the day.",
};

template <std::size_t N> QString numberedText(const std::array<const char*, N>& items)
{
    QString text;
    for (std::size_t i = 0; i < N && items[i]; ++i) {
        if (i > 0)
            text += QLatin1String("\r\n");
        text += QString::number(i + 1) + QLatin1String(". ") + QString::fromUtf8(items[i]);
    }
    return text;
}

} // namespace

const std::array<Asana, AsanaCount>& asanaCatalogue()
{
    static const std::array<Asana, AsanaCount> catalogue = [] {
        std::array<Asana, AsanaCount> asanas;
        for (int i = 0; i < AsanaCount; ++i) {
            const AsanaContent& content = Asanas[i];
            asanas[i] = Asana {QString::fromUtf8(content.displayName),
                QStringLiteral(":/assets/") + QString::fromUtf8(content.pictureKey),
                QString::fromUtf8(content.englishName), QString::fromUtf8(content.definition),
                numberedText(content.procedure), content.hold,
                content.benefitsIsParagraph ? QString::fromUtf8(content.benefits[0]) : numberedText(content.benefits),
                QString::fromUtf8(content.contraIndication)};
        }
        return asanas;
    }();
    return catalogue;
}

const Asana& asana(int number)
{
    Q_ASSERT(number >= 1 && number <= AsanaCount);
    return asanaCatalogue()[std::size_t(number - 1)];
}

QVector<RecommendedAsana> recommendedAsanas(const QString& sign)
{
    QVector<RecommendedAsana> asanas;
    for (const Recommendation& entry : Recommendations) {
        if (sign == QLatin1String(entry.sign))
            asanas.append({entry.asana, QLatin1String(entry.heading)});
    }
    return asanas;
}

QString yogaIntroduction(int paragraph)
{
    return QString::fromUtf8(Introduction.at(std::size_t(paragraph)));
}
