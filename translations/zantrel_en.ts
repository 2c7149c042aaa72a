<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Critter</name>
    <message>
        <source>Body type</source>
        <translation>Body type</translation>
    </message>
    <message>
        <source>Body Type:</source>
        <translation>Body Type:</translation>
    </message>
    <message>
        <source>Kill type</source>
        <translation>Kill type</translation>
    </message>
    <message>
        <source>Kill Type:</source>
        <translation>Kill Type:</translation>
    </message>
    <message>
        <source>Experience for killing</source>
        <translation>Experience for killing</translation>
    </message>
    <message>
        <source>Expirience:</source>
        <translation>Expirience:</translation>
    </message>
    <message>
        <source>Total Strength = </source>
        <translation>Total Strength = </translation>
    </message>
    <message>
        <source>Strength (base)</source>
        <translation>Strength (base)</translation>
    </message>
    <message>
        <source>Strength:</source>
        <translation>Strength:</translation>
    </message>
    <message>
        <source>Total Perception = </source>
        <translation>Total Perception = </translation>
    </message>
    <message>
        <source>Perception (base)</source>
        <translation>Perception (base)</translation>
    </message>
    <message>
        <source>Perception:</source>
        <translation>Perception:</translation>
    </message>
    <message>
        <source>Total Endurance = </source>
        <translation>Total Endurance = </translation>
    </message>
    <message>
        <source>Endurance (base)</source>
        <translation>Endurance (base)</translation>
    </message>
    <message>
        <source>Endurance:</source>
        <translation>Endurance:</translation>
    </message>
    <message>
        <source>Total Charisma = </source>
        <translation>Total Charisma = </translation>
    </message>
    <message>
        <source>Charisma (base)</source>
        <translation>Charisma (base)</translation>
    </message>
    <message>
        <source>Charisma:</source>
        <translation>Charisma:</translation>
    </message>
    <message>
        <source>Total Intelligence = </source>
        <translation>Total Intelligence = </translation>
    </message>
    <message>
        <source>Intelligence (base)</source>
        <translation>Intelligence (base)</translation>
    </message>
    <message>
        <source>Intelligence:</source>
        <translation>Intelligence:</translation>
    </message>
    <message>
        <source>Total Agility = </source>
        <translation>Total Agility = </translation>
    </message>
    <message>
        <source>Agility (base)</source>
        <translation>Agility (base)</translation>
    </message>
    <message>
        <source>Agility:</source>
        <translation>Agility:</translation>
    </message>
    <message>
        <source>Total Luck = </source>
        <translation>Total Luck = </translation>
    </message>
    <message>
        <source>Luck (base)</source>
        <translation>Luck (base)</translation>
    </message>
    <message>
        <source>Luck:</source>
        <translation>Luck:</translation>
    </message>
    <message>
        <source>Total Hit Points = </source>
        <translation>Total Hit Points = </translation>
    </message>
    <message>
        <source>Hit Points (base)</source>
        <translation>Hit Points (base)</translation>
    </message>
    <message>
        <source>Hit Points:</source>
        <translation>Hit Points:</translation>
    </message>
    <message>
        <source>Total Action Points = </source>
        <translation>Total Action Points = </translation>
    </message>
    <message>
        <source>Action Points (base)</source>
        <translation>Action Points (base)</translation>
    </message>
    <message>
        <source>Action Points:</source>
        <translation>Action Points:</translation>
    </message>
    <message>
        <source>Total Armor Class = </source>
        <translation>Total Armor Class = </translation>
    </message>
    <message>
        <source>Armor Class (base)</source>
        <translation>Armor Class (base)</translation>
    </message>
    <message>
        <source>Armor Class:</source>
        <translation>Armor Class:</translation>
    </message>
    <message>
        <source>Total Unarmed Damage = </source>
        <translation>Total Unarmed Damage = </translation>
    </message>
    <message>
        <source>Unarmed Damage (base)</source>
        <translation>Unarmed Damage (base)</translation>
    </message>
    <message>
        <source>Unarmed Damage:</source>
        <translation>Unarmed Damage:</translation>
    </message>
    <message>
        <source>Total Melee Damage = </source>
        <translation>Total Melee Damage = </translation>
    </message>
    <message>
        <source>Melee Damage (base)</source>
        <translation>Melee Damage (base)</translation>
    </message>
    <message>
        <source>Melee Damage:</source>
        <translation>Melee Damage:</translation>
    </message>
    <message>
        <source>Total Carry Weight = </source>
        <translation>Total Carry Weight = </translation>
    </message>
    <message>
        <source>Carry Weight (base)</source>
        <translation>Carry Weight (base)</translation>
    </message>
    <message>
        <source>Carry Weight:</source>
        <translation>Carry Weight:</translation>
    </message>
    <message>
        <source>Total Sequence = </source>
        <translation>Total Sequence = </translation>
    </message>
    <message>
        <source>Sequence (base)</source>
        <translation>Sequence (base)</translation>
    </message>
    <message>
        <source>Sequence:</source>
        <translation>Sequence:</translation>
    </message>
    <message>
        <source>Total Healing Rate = </source>
        <translation>Total Healing Rate = </translation>
    </message>
    <message>
        <source>Healing Rate (base)</source>
        <translation>Healing Rate (base)</translation>
    </message>
    <message>
        <source>Healing Rate:</source>
        <translation>Healing Rate:</translation>
    </message>
    <message>
        <source>Total Critical Chance = </source>
        <translation>Total Critical Chance = </translation>
    </message>
    <message>
        <source>Critical Chance (base)</source>
        <translation>Critical Chance (base)</translation>
    </message>
    <message>
        <source>Critical Chance:</source>
        <translation>Critical Chance:</translation>
    </message>
    <message>
        <source>Total Better Criticals = </source>
        <translation>Total Better Criticals = </translation>
    </message>
    <message>
        <source>Better Criticals (base)</source>
        <translation>Better Criticals (base)</translation>
    </message>
    <message>
        <source>Better Criticals:</source>
        <translation>Better Criticals:</translation>
    </message>
    <message>
        <source>Damage threshold, Normal (base)</source>
        <translation>Damage threshold, Normal (base)</translation>
    </message>
    <message>
        <source>Normal:</source>
        <translation>Normal:</translation>
    </message>
    <message>
        <source>Damage threshold, Laser (base)</source>
        <translation>Damage threshold, Laser (base)</translation>
    </message>
    <message>
        <source>Laser:</source>
        <translation>Laser:</translation>
    </message>
    <message>
        <source>Damage threshold, Fire (base)</source>
        <translation>Damage threshold, Fire (base)</translation>
    </message>
    <message>
        <source>Fire:</source>
        <translation>Fire:</translation>
    </message>
    <message>
        <source>Damage threshold, Plasma (base)</source>
        <translation>Damage threshold, Plasma (base)</translation>
    </message>
    <message>
        <source>Plasma:</source>
        <translation>Plasma:</translation>
    </message>
    <message>
        <source>Damage threshold, Electrical (base)</source>
        <translation>Damage threshold, Electrical (base)</translation>
    </message>
    <message>
        <source>Electrical:</source>
        <translation>Electrical:</translation>
    </message>
    <message>
        <source>Damage threshold, EMP (base)</source>
        <translation>Damage threshold, EMP (base)</translation>
    </message>
    <message>
        <source>EMP:</source>
        <translation>EMP:</translation>
    </message>
    <message>
        <source>Damage threshold, Explode (base)</source>
        <translation>Damage threshold, Explode (base)</translation>
    </message>
    <message>
        <source>Explode:</source>
        <translation>Explode:</translation>
    </message>
    <message>
        <source>Damage resistance, Normal (base)</source>
        <translation>Damage resistance, Normal (base)</translation>
    </message>
    <message>
        <source>Damage resistance, Laser (base)</source>
        <translation>Damage resistance, Laser (base)</translation>
    </message>
    <message>
        <source>Damage resistance, Fire (base)</source>
        <translation>Damage resistance, Fire (base)</translation>
    </message>
    <message>
        <source>Damage resistance, Plasma (base)</source>
        <translation>Damage resistance, Plasma (base)</translation>
    </message>
    <message>
        <source>Damage resistance, Electrical (base)</source>
        <translation>Damage resistance, Electrical (base)</translation>
    </message>
    <message>
        <source>Damage resistance, EMP (base)</source>
        <translation>Damage resistance, EMP (base)</translation>
    </message>
    <message>
        <source>Damage resistance, Explode (base)</source>
        <translation>Damage resistance, Explode (base)</translation>
    </message>
    <message>
        <source>Damage resistance, Radiation (base)</source>
        <translation>Damage resistance, Radiation (base)</translation>
    </message>
    <message>
        <source>Radiation:</source>
        <translation>Radiation:</translation>
    </message>
    <message>
        <source>Damage resistance, Poison (base)</source>
        <translation>Damage resistance, Poison (base)</translation>
    </message>
    <message>
        <source>Poison:</source>
        <translation>Poison:</translation>
    </message>
    <message>
        <source>Age (base)</source>
        <translation>Age (base)</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Age:</translation>
    </message>
    <message>
        <source>Gender (base)</source>
        <translation>Gender (base)</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Gender:</translation>
    </message>
    <message>
        <source>Strength (extra)</source>
        <translation>Strength (extra)</translation>
    </message>
    <message>
        <source>Perception (extra)</source>
        <translation>Perception (extra)</translation>
    </message>
    <message>
        <source>Endurance (extra)</source>
        <translation>Endurance (extra)</translation>
    </message>
    <message>
        <source>Charisma (extra)</source>
        <translation>Charisma (extra)</translation>
    </message>
    <message>
        <source>Intelligence (extra)</source>
        <translation>Intelligence (extra)</translation>
    </message>
    <message>
        <source>Agility (extra)</source>
        <translation>Agility (extra)</translation>
    </message>
    <message>
        <source>Luck (extra)</source>
        <translation>Luck (extra)</translation>
    </message>
    <message>
        <source>Hit Points (extra)</source>
        <translation>Hit Points (extra)</translation>
    </message>
    <message>
        <source>Action Points (extra)</source>
        <translation>Action Points (extra)</translation>
    </message>
    <message>
        <source>Armor Class (extra)</source>
        <translation>Armor Class (extra)</translation>
    </message>
    <message>
        <source>Unarmed Damage (extra)</source>
        <translation>Unarmed Damage (extra)</translation>
    </message>
    <message>
        <source>Melee Damage (extra)</source>
        <translation>Melee Damage (extra)</translation>
    </message>
    <message>
        <source>Carry Weight (extra)</source>
        <translation>Carry Weight (extra)</translation>
    </message>
    <message>
        <source>Sequence (extra)</source>
        <translation>Sequence (extra)</translation>
    </message>
    <message>
        <source>Healing Rate (extra)</source>
        <translation>Healing Rate (extra)</translation>
    </message>
    <message>
        <source>Critical Chance (extra)</source>
        <translation>Critical Chance (extra)</translation>
    </message>
    <message>
        <source>Better Criticals (extra)</source>
        <translation>Better Criticals (extra)</translation>
    </message>
    <message>
        <source>Damage threshold, Normal (extra)</source>
        <translation>Damage threshold, Normal (extra)</translation>
    </message>
    <message>
        <source>Damage threshold, Laser (extra)</source>
        <translation>Damage threshold, Laser (extra)</translation>
    </message>
    <message>
        <source>Damage threshold, Fire (extra)</source>
        <translation>Damage threshold, Fire (extra)</translation>
    </message>
    <message>
        <source>Damage threshold, Plasma (extra)</source>
        <translation>Damage threshold, Plasma (extra)</translation>
    </message>
    <message>
        <source>Damage threshold, Electrical (extra)</source>
        <translation>Damage threshold, Electrical (extra)</translation>
    </message>
    <message>
        <source>Damage threshold, EMP (extra)</source>
        <translation>Damage threshold, EMP (extra)</translation>
    </message>
    <message>
        <source>Damage threshold, Explode (extra)</source>
        <translation>Damage threshold, Explode (extra)</translation>
    </message>
    <message>
        <source>Damage resistance, Normal (extra)</source>
        <translation>Damage resistance, Normal (extra)</translation>
    </message>
    <message>
        <source>Damage resistance, Laser (extra)</source>
        <translation>Damage resistance, Laser (extra)</translation>
    </message>
    <message>
        <source>Damage resistance, Fire (extra)</source>
        <translation>Damage resistance, Fire (extra)</translation>
    </message>
    <message>
        <source>Damage resistance, Plasma (extra)</source>
        <translation>Damage resistance, Plasma (extra)</translation>
    </message>
    <message>
        <source>Damage resistance, Electrical (extra)</source>
        <translation>Damage resistance, Electrical (extra)</translation>
    </message>
    <message>
        <source>Damage resistance, EMP (extra)</source>
        <translation>Damage resistance, EMP (extra)</translation>
    </message>
    <message>
        <source>Damage resistance, Explode (extra)</source>
        <translation>Damage resistance, Explode (extra)</translation>
    </message>
    <message>
        <source>Damage resistance, Radiation (extra)</source>
        <translation>Damage resistance, Radiation (extra)</translation>
    </message>
    <message>
        <source>Damage resistance, Poison (extra)</source>
        <translation>Damage resistance, Poison (extra)</translation>
    </message>
    <message>
        <source>Age (extra)</source>
        <translation>Age (extra)</translation>
    </message>
    <message>
        <source>Gender (extra)</source>
        <translation>Gender (extra)</translation>
    </message>
    <message>
        <source>Small Guns</source>
        <translation>Small Guns</translation>
    </message>
    <message>
        <source>Small Guns:</source>
        <translation>Small Guns:</translation>
    </message>
    <message>
        <source>Big Guns</source>
        <translation>Big Guns</translation>
    </message>
    <message>
        <source>Big Guns:</source>
        <translation>Big Guns:</translation>
    </message>
    <message>
        <source>Energy Weapons</source>
        <translation>Energy Weapons</translation>
    </message>
    <message>
        <source>Energy Weapons:</source>
        <translation>Energy Weapons:</translation>
    </message>
    <message>
        <source>Unarmed</source>
        <translation>Unarmed</translation>
    </message>
    <message>
        <source>Unarmed:</source>
        <translation>Unarmed:</translation>
    </message>
    <message>
        <source>Melee Weapons</source>
        <translation>Melee Weapons</translation>
    </message>
    <message>
        <source>Melee Weapons:</source>
        <translation>Melee Weapons:</translation>
    </message>
    <message>
        <source>Throwing</source>
        <translation>Throwing</translation>
    </message>
    <message>
        <source>Throwing:</source>
        <translation>Throwing:</translation>
    </message>
    <message>
        <source>First Aid</source>
        <translation>First Aid</translation>
    </message>
    <message>
        <source>First Aid:</source>
        <translation>First Aid:</translation>
    </message>
    <message>
        <source>Doctor</source>
        <translation>Doctor</translation>
    </message>
    <message>
        <source>Doctor:</source>
        <translation>Doctor:</translation>
    </message>
    <message>
        <source>Sneak</source>
        <translation>Sneak</translation>
    </message>
    <message>
        <source>Sneak:</source>
        <translation>Sneak:</translation>
    </message>
    <message>
        <source>Lockpick</source>
        <translation>Lockpick</translation>
    </message>
    <message>
        <source>Lockpick:</source>
        <translation>Lockpick:</translation>
    </message>
    <message>
        <source>Steal</source>
        <translation>Steal</translation>
    </message>
    <message>
        <source>Steal:</source>
        <translation>Steal:</translation>
    </message>
    <message>
        <source>Traps</source>
        <translation>Traps</translation>
    </message>
    <message>
        <source>Traps:</source>
        <translation>Traps:</translation>
    </message>
    <message>
        <source>Science</source>
        <translation>Science</translation>
    </message>
    <message>
        <source>Science:</source>
        <translation>Science:</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Repair</translation>
    </message>
    <message>
        <source>Repair:</source>
        <translation>Repair:</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Speech</translation>
    </message>
    <message>
        <source>Speech:</source>
        <translation>Speech:</translation>
    </message>
    <message>
        <source>Barter</source>
        <translation>Barter</translation>
    </message>
    <message>
        <source>Barter:</source>
        <translation>Barter:</translation>
    </message>
    <message>
        <source>Gambling</source>
        <translation>Gambling</translation>
    </message>
    <message>
        <source>Gambling:</source>
        <translation>Gambling:</translation>
    </message>
    <message>
        <source>Outdoorsman</source>
        <translation>Outdoorsman</translation>
    </message>
    <message>
        <source>Outdoorsman:</source>
        <translation>Outdoorsman:</translation>
    </message>
    <message>
        <source>Flags for Use</source>
        <translation>Flags for Use</translation>
    </message>
    <message>
        <source>Individual Flags</source>
        <translation>Individual Flags</translation>
    </message>
    <message>
        <source>Critter&apos;s damage type</source>
        <translation>Critter&apos;s damage type</translation>
    </message>
    <message>
        <source>Critter&apos;s Damage Type:</source>
        <translation>Critter&apos;s Damage Type:</translation>
    </message>
    <message>
        <source>Glow distance</source>
        <translation>Glow distance</translation>
    </message>
    <message>
        <source>Glow Distance:</source>
        <translation>Glow Distance:</translation>
    </message>
    <message>
        <source>Glow intensity, percent</source>
        <translation>Glow intensity, percent</translation>
    </message>
    <message>
        <source>Glow Intencity:</source>
        <translation>Glow Intencity:</translation>
    </message>
    <message>
        <source>AI packet number</source>
        <translation>AI packet number</translation>
    </message>
    <message>
        <source>AI Packet Num:</source>
        <translation>AI Packet Num:</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>Talking head number</source>
        <translation>Talking head number</translation>
    </message>
    <message>
        <source>Talking Head #:</source>
        <translation>Talking Head #:</translation>
    </message>
</context>
<context>
    <name>CritterLayout</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Resists</source>
        <translation>Resists</translation>
    </message>
    <message>
        <source>Skills</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>00 - нормальный урон. (Normal)   01 - лазер. (Laser)   02 - огонь. (Fire)   03 - плазма. (Plasma)   04 - электричество. (Electrical)   05 - ЕМИ. (EMP)   06 - взрыв. (Explode)</source>
        <translation>00 - Normal   01 - Laser   02 - Fire   03 - Plasma   04 - Electrical   05 - EMP   06 - Explode</translation>
    </message>
    <message>
        <source>Individual Part - Critters</source>
        <translation>Individual Part - Critters</translation>
    </message>
    <message>
        <source>Critter pages</source>
        <translation>Critter pages</translation>
    </message>
    <message>
        <source>Tip Bar! 8)</source>
        <translation>Tip Bar! 8)</translation>
    </message>
    <message>
        <source>Critter description</source>
        <translation>Critter description</translation>
    </message>
    <message>
        <source>Body type name</source>
        <translation>Body type name</translation>
    </message>
    <message>
        <source>Kill type name</source>
        <translation>Kill type name</translation>
    </message>
    <message>
        <source>Expirience for killing this critter</source>
        <translation>Expirience for killing this critter</translation>
    </message>
    <message>
        <source>Experience note</source>
        <translation>Experience note</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Critter file size</source>
        <translation>Critter file size</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>&lt;&lt;BASE&gt;&gt;====&gt;Damage Treshold</source>
        <translation>&lt;&lt;BASE&gt;&gt;====&gt;Damage Treshold</translation>
    </message>
    <message>
        <source>&lt;&lt;BASE&gt;&gt;==&gt;Damage Resistance</source>
        <translation>&lt;&lt;BASE&gt;&gt;==&gt;Damage Resistance</translation>
    </message>
    <message>
        <source>&lt;&lt;EXTRA&gt;&gt;==&gt;Damage Treshold</source>
        <translation>&lt;&lt;EXTRA&gt;&gt;==&gt;Damage Treshold</translation>
    </message>
    <message>
        <source>&lt;&lt;EXTRA&gt;&gt;=&gt;Damage Resistance</source>
        <translation>&lt;&lt;EXTRA&gt;&gt;=&gt;Damage Resistance</translation>
    </message>
    <message>
        <source>Skillz</source>
        <translation>Skillz</translation>
    </message>
    <message>
        <source>Tip bar (base)</source>
        <translation>Tip bar (base)</translation>
    </message>
    <message>
        <source>Tip bar (extra)</source>
        <translation>Tip bar (extra)</translation>
    </message>
</context>
<context>
    <name>Flags</name>
    <message>
        <source>Flag 8</source>
        <translation>Flag 8</translation>
    </message>
    <message>
        <source>Простреливается</source>
        <translation>Shoot through</translation>
    </message>
    <message>
        <source>Видать испольуются для того, чтобы в режиме боя движок знал, можно ли через этот объект стрелять</source>
        <translation>Apparently used in combat, so that the engine knows whether one can shoot through this object</translation>
    </message>
    <message>
        <source>Flag 9</source>
        <translation>Flag 9</translation>
    </message>
    <message>
        <source>Flag 10</source>
        <translation>Flag 10</translation>
    </message>
    <message>
        <source>Flag 15</source>
        <translation>Flag 15</translation>
    </message>
    <message>
        <source>Flag 11</source>
        <translation>Flag 11</translation>
    </message>
    <message>
        <source>Flag 12</source>
        <translation>Flag 12</translation>
    </message>
    <message>
        <source>Flag 13</source>
        <translation>Flag 13</translation>
    </message>
    <message>
        <source>Flag 14</source>
        <translation>Flag 14</translation>
    </message>
    <message>
        <source>Прозрачн. + свечение</source>
        <translation>Transp. + glow</translation>
    </message>
    <message>
        <source>Прозрачный + ночью светится (самосвечение)</source>
        <translation>Transparent, and glows at night (lights itself)</translation>
    </message>
    <message>
        <source>Прозрачность (25%)</source>
        <translation>Transparency (25%)</translation>
    </message>
    <message>
        <source>Прозрачность объекта (типа стекло) 25% прозрачен</source>
        <translation>The object is see-through (like glass): 25% transparent</translation>
    </message>
    <message>
        <source>Прозрачность (50%)</source>
        <translation>Transparency (50%)</translation>
    </message>
    <message>
        <source>Прозрачность объекта (типа стекло) 50% прозрачен</source>
        <translation>The object is see-through (like glass): 50% transparent</translation>
    </message>
    <message>
        <source>Жёлтая палитра</source>
        <translation>Yellow palette</translation>
    </message>
    <message>
        <source>Объект приобретает жёлтоватый оттенок</source>
        <translation>The object takes a yellowish tint</translation>
    </message>
    <message>
        <source>Не показ. жёлт. обвод.</source>
        <translation>No yellow outline</translation>
    </message>
    <message>
        <source>Не показывает жёлтую обводку предмета (ITEMS)</source>
        <translation>The item&apos;s yellow outline is not shown (ITEMS)</translation>
    </message>
    <message>
        <source>Красная палитра</source>
        <translation>Red palette</translation>
    </message>
    <message>
        <source>Объект приобретает красноватый оттенок</source>
        <translation>The object takes a reddish tint</translation>
    </message>
    <message>
        <source>Не просвечивается</source>
        <translation>Not see-through</translation>
    </message>
    <message>
        <source>Не просвечивается, когда криттер находится сзади объекта</source>
        <translation>Does not turn see-through when a critter is behind the object</translation>
    </message>
    <message>
        <source>Flag 4</source>
        <translation>Flag 4</translation>
    </message>
    <message>
        <source>Flag 5</source>
        <translation>Flag 5</translation>
    </message>
    <message>
        <source>Flag 6</source>
        <translation>Flag 6</translation>
    </message>
    <message>
        <source>Flag 7</source>
        <translation>Flag 7</translation>
    </message>
    <message>
        <source>Проходим</source>
        <translation>Passable</translation>
    </message>
    <message>
        <source>Объект проходим</source>
        <translation>Critters can walk through the object</translation>
    </message>
    <message>
        <source>Источник света</source>
        <translation>Light source</translation>
    </message>
    <message>
        <source>Объект является источником света</source>
        <translation>The object is a light source</translation>
    </message>
    <message>
        <source>Flag 2</source>
        <translation>Flag 2</translation>
    </message>
    <message>
        <source>Flag 3</source>
        <translation>Flag 3</translation>
    </message>
    <message>
        <source>Не отображать</source>
        <translation>Not drawn</translation>
    </message>
    <message>
        <source>Объект не рисуется на карте</source>
        <translation>The object is not drawn on the map</translation>
    </message>
    <message>
        <source>Flag 1</source>
        <translation>Flag 1</translation>
    </message>
    <message>
        <source>Показывать 1 раз</source>
        <translation>Shown once</translation>
    </message>
    <message>
        <source>Объект исчезает, если повторно попасть на эту карту</source>
        <translation>The object is gone when the map is entered again</translation>
    </message>
    <message>
        <source>На задний план</source>
        <translation>Flat (background)</translation>
    </message>
    <message>
        <source>Объект как бы становится на задний план (может быть перекрыт другими объектами)</source>
        <translation>The object lies flat in the background (other objects may cover it)</translation>
    </message>
    <message>
        <source>Can Use On</source>
        <translation>Can Use On</translation>
    </message>
    <message>
        <source>Can Use</source>
        <translation>Can Use</translation>
    </message>
    <message>
        <source>Has special death</source>
        <translation>Has special death</translation>
    </message>
    <message>
        <source>Has extra hand-to-hand range</source>
        <translation>Has extra hand-to-hand range</translation>
    </message>
    <message>
        <source>Can&apos;t be knocked back</source>
        <translation>Can&apos;t be knocked back</translation>
    </message>
    <message>
        <source>Dead body can age</source>
        <translation>Dead body can age</translation>
    </message>
    <message>
        <source>Can&apos;t heal by age</source>
        <translation>Can&apos;t heal by age</translation>
    </message>
    <message>
        <source>Is Invulnerable</source>
        <translation>Is Invulnerable</translation>
    </message>
    <message>
        <source>Can&apos;t be flatten on death</source>
        <translation>Can&apos;t be flatten on death</translation>
    </message>
    <message>
        <source>Can&apos;t be stolen from</source>
        <translation>Can&apos;t be stolen from</translation>
    </message>
    <message>
        <source>Сan&apos;t drop items</source>
        <translation>Can&apos;t drop items</translation>
    </message>
    <message>
        <source>Can&apos;t loose limbs</source>
        <translation>Can&apos;t loose limbs</translation>
    </message>
    <message>
        <source>Сan Barter</source>
        <translation>Can Barter</translation>
    </message>
</context>
<context>
    <name>Item</name>
    <message>
        <source>Pic in Inventory</source>
        <translation>Pic in Inventory</translation>
    </message>
    <message>
        <source>Frame Shift</source>
        <translation>Frame Shift</translation>
    </message>
    <message>
        <source>Item Type</source>
        <translation>Item Type</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Hidden Item</source>
        <translation>Hidden Item</translation>
    </message>
    <message>
        <source>Frame Shift:</source>
        <translation>Frame Shift:</translation>
    </message>
    <message>
        <source>Pic in Inventory:</source>
        <translation>Pic in Inventory:</translation>
    </message>
    <message>
        <source>Item Type:</source>
        <translation>Item Type:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Volume:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Price:</source>
        <translation>Price:</translation>
    </message>
</context>
<context>
    <name>ItemPictures</name>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Pic on Ground:</source>
        <translation>Pic on Ground:</translation>
    </message>
    <message>
        <source>Ground picture</source>
        <translation>Ground picture</translation>
    </message>
    <message>
        <source>:Pic in Inventory</source>
        <translation>:Pic in Inventory</translation>
    </message>
    <message>
        <source>Inventory picture</source>
        <translation>Inventory picture</translation>
    </message>
</context>
<context>
    <name>KindForms</name>
    <message>
        <source>Change kind</source>
        <translation>Change kind</translation>
    </message>
    <message>
        <source>Changing the %1 from %2 to %3 drops the %2 fields. The %3 fields start at zero (-1 for prototype ids, perks and destinations), and the file is saved at %4 bytes.

Change the %1?</source>
        <translation>Changing the %1 from %2 to %3 drops the %2 fields. The %3 fields start at zero (-1 for prototype ids, perks and destinations), and the file is saved at %4 bytes.

Change the %1?</translation>
    </message>
    <message>
        <source>item type</source>
        <translation>item type</translation>
    </message>
    <message>
        <source>scenery kind</source>
        <translation>scenery kind</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Armor</source>
        <translation>Armor</translation>
    </message>
    <message>
        <source>Container</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>Drug</source>
        <translation>Drug</translation>
    </message>
    <message>
        <source>Weapon</source>
        <translation>Weapon</translation>
    </message>
    <message>
        <source>Ammo</source>
        <translation>Ammo</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Glass</source>
        <translation>Glass</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Plastic</source>
        <translation>Plastic</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Wood</translation>
    </message>
    <message>
        <source>Dirt</source>
        <translation>Dirt</translation>
    </message>
    <message>
        <source>Stone</source>
        <translation>Stone</translation>
    </message>
    <message>
        <source>Cement</source>
        <translation>Cement</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Leather</translation>
    </message>
    <message>
        <source>Door</source>
        <translation>Door</translation>
    </message>
    <message>
        <source>Stairs</source>
        <translation>Stairs</translation>
    </message>
    <message>
        <source>Elevator</source>
        <translation>Elevator</translation>
    </message>
    <message>
        <source>Ladder up</source>
        <translation>Ladder up</translation>
    </message>
    <message>
        <source>Ladder down</source>
        <translation>Ladder down</translation>
    </message>
    <message>
        <source>Generic</source>
        <translation>Generic</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Plasma</source>
        <translation>Plasma</translation>
    </message>
    <message>
        <source>Electrical</source>
        <translation>Electrical</translation>
    </message>
    <message>
        <source>EMP</source>
        <translation>EMP</translation>
    </message>
    <message>
        <source>Explosion</source>
        <translation>Explosion</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Knife</source>
        <translation>Knife</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Hammer</source>
        <translation>Hammer</translation>
    </message>
    <message>
        <source>Spear</source>
        <translation>Spear</translation>
    </message>
    <message>
        <source>Pistol</source>
        <translation>Pistol</translation>
    </message>
    <message>
        <source>SMG</source>
        <translation>SMG</translation>
    </message>
    <message>
        <source>Rifle</source>
        <translation>Rifle</translation>
    </message>
    <message>
        <source>Big gun</source>
        <translation>Big gun</translation>
    </message>
    <message>
        <source>Minigun</source>
        <translation>Minigun</translation>
    </message>
    <message>
        <source>Rocket launcher</source>
        <translation>Rocket launcher</translation>
    </message>
    <message>
        <source>Punch</source>
        <translation>Punch</translation>
    </message>
    <message>
        <source>Kick</source>
        <translation>Kick</translation>
    </message>
    <message>
        <source>Swing</source>
        <translation>Swing</translation>
    </message>
    <message>
        <source>Thrust</source>
        <translation>Thrust</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Throw</translation>
    </message>
    <message>
        <source>Fire single</source>
        <translation>Fire single</translation>
    </message>
    <message>
        <source>Fire burst</source>
        <translation>Fire burst</translation>
    </message>
    <message>
        <source>Flame</source>
        <translation>Flame</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>as stored, outside %1</source>
        <translation>as stored, outside %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Edits Fallout 2 prototype files.</source>
        <translation>Edits Fallout 2 prototype files.</translation>
    </message>
    <message>
        <source>Displays the program&apos;s name and version.</source>
        <translation>Displays the program&apos;s name and version.</translation>
    </message>
    <message>
        <source>The game folder for this run; the settings file keeps its own.</source>
        <translation>The game folder for this run; the settings file keeps its own.</translation>
    </message>
    <message>
        <source>The language of this run&apos;s texts: en for English; the settings file keeps its own.</source>
        <translation>The language of this run&apos;s texts: en for English; the settings file keeps its own.</translation>
    </message>
    <message>
        <source>A prototype to open once the game files are checked.</source>
        <translation>A prototype to open once the game files are checked.</translation>
    </message>
</context>
<context>
    <name>zantrel::AiPacketList</name>
    <message>
        <source>AI Packet:</source>
        <translation>AI Packet:</translation>
    </message>
    <message>
        <source>AI packet</source>
        <translation>AI packet</translation>
    </message>
</context>
<context>
    <name>zantrel::CommonFlags</name>
    <message>
        <source>FLAGS</source>
        <translation>FLAGS</translation>
    </message>
    <message>
        <source>Flags</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source> (flags)</source>
        <translation> (flags)</translation>
    </message>
    <message>
        <source>Set Manually:</source>
        <translation>Set Manually:</translation>
    </message>
    <message>
        <source>Set flags manually</source>
        <translation>Set flags manually</translation>
    </message>
    <message>
        <source>Flags (hexadecimal)</source>
        <translation>Flags (hexadecimal)</translation>
    </message>
</context>
<context>
    <name>zantrel::CritterFlags</name>
    <message>
        <source>Flags for Use</source>
        <translation>Flags for Use</translation>
    </message>
    <message>
        <source> (flags for use)</source>
        <translation> (flags for use)</translation>
    </message>
    <message>
        <source>Individual Flags</source>
        <translation>Individual Flags</translation>
    </message>
    <message>
        <source> (individual flags)</source>
        <translation> (individual flags)</translation>
    </message>
</context>
<context>
    <name>zantrel::CritterPreview</name>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Critter preview</source>
        <translation>Critter preview</translation>
    </message>
    <message>
        <source>Rotate the preview</source>
        <translation>Rotate the preview</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Play the standing animation</source>
        <translation>Play the standing animation</translation>
    </message>
</context>
<context>
    <name>zantrel::DocumentController</name>
    <message>
        <source>Cannot save file. Please check marked fields</source>
        <translation>Cannot save file. Please check marked fields</translation>
    </message>
    <message>
        <source>Fallout PROTO (*.pro)|*.pro</source>
        <translation>Fallout PROTO (*.pro)|*.pro</translation>
    </message>
    <message>
        <source>Изменения не сохранены. Вы действительно хотите открыть файл?</source>
        <translation>Changes are not saved. Do you really want to open a file?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Not a prototype: the file holds only %1 bytes</source>
        <translation>Not a prototype: the file holds only %1 bytes</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Unknown object type %1: only the header is shown</source>
        <translation>Unknown object type %1: only the header is shown</translation>
    </message>
    <message>
        <source>

First marked field: &quot;%1&quot; on the tab &quot;%2&quot;.</source>
        <translation>

First marked field: &quot;%1&quot; on the tab &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>
Script description: </source>
        <translation>
Script description: </translation>
    </message>
    <message>
        <source>The file has been changed by another program. Reload it?</source>
        <translation>The file has been changed by another program. Reload it?</translation>
    </message>
    <message>
        <source>File changed</source>
        <translation>File changed</translation>
    </message>
    <message>
        <source>The file has been removed by another program. Saving writes it anew.</source>
        <translation>The file has been removed by another program. Saving writes it anew.</translation>
    </message>
</context>
<context>
    <name>zantrel::DocumentHistory</name>
    <message>
        <source>edit</source>
        <translation>edit</translation>
    </message>
</context>
<context>
    <name>zantrel::EditorWindow</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Open .PRO ...</source>
        <translation>Open .PRO ...</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recent</translation>
    </message>
    <message>
        <source>Save .PRO</source>
        <translation>Save .PRO</translation>
    </message>
    <message>
        <source>Save .PRO As ...</source>
        <translation>Save .PRO As ...</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Numeric Format</source>
        <translation>Numeric Format</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>DEC</source>
        <translation>DEC</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Zantrel</source>
        <translation>Zantrel</translation>
    </message>
    <message>
        <source>Title bar</source>
        <translation>Title bar</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Open file</translation>
    </message>
    <message>
        <source>Status Bar</source>
        <translation>Status Bar</translation>
    </message>
    <message>
        <source>No unsaved changes</source>
        <translation>No unsaved changes</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Object type pages</source>
        <translation>Object type pages</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Critters</source>
        <translation>Critters</translation>
    </message>
    <message>
        <source>Scenery</source>
        <translation>Scenery</translation>
    </message>
    <message>
        <source>Walls</source>
        <translation>Walls</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Tiles</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>About Zantrel</source>
        <translation>About Zantrel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Вы действительно хотите выйти?</source>
        <translation>Do you really want to quit?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Zantrel - </source>
        <translation>Zantrel - </translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Name and Description...</source>
        <translation>Name and Description...</translation>
    </message>
    <message>
        <source>Prototypes...</source>
        <translation>Prototypes...</translation>
    </message>
    <message>
        <source>New prototype...</source>
        <translation>New prototype...</translation>
    </message>
</context>
<context>
    <name>zantrel::FileTreeWindow</name>
    <message>
        <source>Game data</source>
        <translation>Game data</translation>
    </message>
    <message>
        <source>Tree</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>Tree window</source>
        <translation>Tree window</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Folders</translation>
    </message>
    <message>
        <source>Prototype files</source>
        <translation>Prototype files</translation>
    </message>
    <message>
        <source>Close tree</source>
        <translation>Close tree</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cannot open folder %1</source>
        <translation>Cannot open folder %1</translation>
    </message>
</context>
<context>
    <name>zantrel::FramePicture</name>
    <message>
        <source>%1 picture</source>
        <translation>%1 picture</translation>
    </message>
</context>
<context>
    <name>zantrel::HeaderPanel</name>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Critter</source>
        <translation>Critter</translation>
    </message>
    <message>
        <source>Scenery</source>
        <translation>Scenery</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wall</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>HEX</source>
        <translation>HEX</translation>
    </message>
    <message>
        <source>Open .PRO</source>
        <translation>Open .PRO</translation>
    </message>
    <message>
        <source>Save .PRO</source>
        <translation>Save .PRO</translation>
    </message>
    <message>
        <source>As...</source>
        <translation>As...</translation>
    </message>
    <message>
        <source>Header ( 32 bytes)</source>
        <translation>Header ( 32 bytes)</translation>
    </message>
    <message>
        <source>Object Type</source>
        <translation>Object Type</translation>
    </message>
    <message>
        <source>Object type</source>
        <translation>Object type</translation>
    </message>
    <message>
        <source>Object type name</source>
        <translation>Object type name</translation>
    </message>
    <message>
        <source>ObjectID</source>
        <translation>ObjectID</translation>
    </message>
    <message>
        <source>Object ID</source>
        <translation>Object ID</translation>
    </message>
    <message>
        <source>ObjectID x 100</source>
        <translation>ObjectID x 100</translation>
    </message>
    <message>
        <source>Object ID x 100</source>
        <translation>Object ID x 100</translation>
    </message>
    <message>
        <source>ObjectType</source>
        <translation>ObjectType</translation>
    </message>
    <message>
        <source>Frame ID, object type</source>
        <translation>Frame ID, object type</translation>
    </message>
    <message>
        <source>Frame Shift</source>
        <translation>Frame Shift</translation>
    </message>
    <message>
        <source>Frame ID, frame shift</source>
        <translation>Frame ID, frame shift</translation>
    </message>
    <message>
        <source>FrameID</source>
        <translation>FrameID</translation>
    </message>
    <message>
        <source>Frame ID, number</source>
        <translation>Frame ID, number</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Script</translation>
    </message>
    <message>
        <source>Script ID</source>
        <translation>Script ID</translation>
    </message>
    <message>
        <source>Frame ID</source>
        <translation>Frame ID</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
</context>
<context>
    <name>zantrel::ItemKindTabs</name>
    <message>
        <source>Weapon</source>
        <translation>Weapon</translation>
    </message>
    <message>
        <source>Armor</source>
        <translation>Armor</translation>
    </message>
    <message>
        <source>Container</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>Ammo</source>
        <translation>Ammo</translation>
    </message>
    <message>
        <source>Drug</source>
        <translation>Drug</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Light &amp;&amp; Use</source>
        <translation>Light &amp;&amp; Use</translation>
    </message>
</context>
<context>
    <name>zantrel::LoadingWindow</name>
    <message>
        <source>Zantrel</source>
        <translation>Zantrel</translation>
    </message>
    <message>
        <source>Zantrel loading screen</source>
        <translation>Zantrel loading screen</translation>
    </message>
    <message>
        <source>Checking game files</source>
        <translation>Checking game files</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The file is missing: </source>
        <translation>The file is missing: </translation>
    </message>
    <message>
        <source>Checking: </source>
        <translation>Checking: </translation>
    </message>
</context>
<context>
    <name>zantrel::NewPrototypeDialog</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Start from the &amp;defaults</source>
        <translation>Start from the &amp;defaults</translation>
    </message>
    <message>
        <source>New prototype</source>
        <translation>New prototype</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Start as a &amp;copy of the open prototype (none is open)</source>
        <translation>Start as a &amp;copy of the open prototype (none is open)</translation>
    </message>
    <message>
        <source>Start as a &amp;copy of %1</source>
        <translation>Start as a &amp;copy of %1</translation>
    </message>
    <message>
        <source>Start as a copy of the open prototype</source>
        <translation>Start as a copy of the open prototype</translation>
    </message>
    <message>
        <source>Offered for the open prototype&apos;s own type and kind: its values as the editor shows them, unsaved changes included.</source>
        <translation>Offered for the open prototype&apos;s own type and kind: its values as the editor shows them, unsaved changes included.</translation>
    </message>
    <message>
        <source>Start from the defaults</source>
        <translation>Start from the defaults</translation>
    </message>
    <message>
        <source>Every field zero; none for the script, prototypes, perks and destinations.</source>
        <translation>Every field zero; none for the script, prototypes, perks and destinations.</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>No game folder is set: a new prototype is added to the game. Choose the Fallout folder in the settings first.</source>
        <translation>No game folder is set: a new prototype is added to the game. Choose the Fallout folder in the settings first.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>zantrel::ObjectTextsDialog</name>
    <message>
        <source>Name and Description</source>
        <translation>Name and Description</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>Also the name of 1 other prototype: changing it renames it too.</source>
        <translation>Also the name of 1 other prototype: changing it renames it too.</translation>
    </message>
    <message>
        <source>Also the name of %1 other prototypes: changing it renames them too.</source>
        <translation>Also the name of %1 other prototypes: changing it renames them too.</translation>
    </message>
</context>
<context>
    <name>zantrel::ObjectTextsEditor</name>
    <message>
        <source>Name and Description</source>
        <translation>Name and Description</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Error!</translation>
    </message>
</context>
<context>
    <name>zantrel::Prompter</name>
    <message>
        <source>Select Your Fallout Directory:</source>
        <translation>Select Your Fallout Directory:</translation>
    </message>
</context>
<context>
    <name>zantrel::PrototypeModel</name>
    <message>
        <source>(missing)</source>
        <translation>(missing)</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problems:</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
</context>
<context>
    <name>zantrel::PrototypesWindow</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Items</source>
        <translation>&amp;Items</translation>
    </message>
    <message>
        <source>&amp;Critters</source>
        <translation>&amp;Critters</translation>
    </message>
    <message>
        <source>&amp;Scenery</source>
        <translation>&amp;Scenery</translation>
    </message>
    <message>
        <source>&amp;Walls</source>
        <translation>&amp;Walls</translation>
    </message>
    <message>
        <source>&amp;Tiles</source>
        <translation>&amp;Tiles</translation>
    </message>
    <message>
        <source>&amp;Misc</source>
        <translation>&amp;Misc</translation>
    </message>
    <message>
        <source>Prototypes</source>
        <translation>Prototypes</translation>
    </message>
    <message>
        <source>Prototype types</source>
        <translation>Prototype types</translation>
    </message>
    <message>
        <source>Part of the id, the file or the name</source>
        <translation>Part of the id, the file or the name</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Filter (%1)</source>
        <translation>Filter (%1)</translation>
    </message>
    <message>
        <source>Prototypes (%1)</source>
        <translation>Prototypes (%1)</translation>
    </message>
    <message>
        <source>1 prototype</source>
        <translation>1 prototype</translation>
    </message>
    <message>
        <source>%1 prototypes</source>
        <translation>%1 prototypes</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>No list: %1</source>
        <translation>No list: %1</translation>
    </message>
</context>
<context>
    <name>zantrel::RecentMenu</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>zantrel::RecordForm</name>
    <message>
        <source>Armor class:</source>
        <translation>Armor class:</translation>
    </message>
    <message>
        <source>Perk:</source>
        <translation>Perk:</translation>
    </message>
    <message>
        <source>Damage resistance (%)</source>
        <translation>Damage resistance (%)</translation>
    </message>
    <message>
        <source>Damage threshold</source>
        <translation>Damage threshold</translation>
    </message>
    <message>
        <source>Male look:</source>
        <translation>Male look:</translation>
    </message>
    <message>
        <source>Female look:</source>
        <translation>Female look:</translation>
    </message>
    <message>
        <source>Statistic 1:</source>
        <translation>Statistic 1:</translation>
    </message>
    <message>
        <source>Statistic 2:</source>
        <translation>Statistic 2:</translation>
    </message>
    <message>
        <source>Statistic 3:</source>
        <translation>Statistic 3:</translation>
    </message>
    <message>
        <source>Statistic 1</source>
        <translation>Statistic 1</translation>
    </message>
    <message>
        <source>Statistic 2</source>
        <translation>Statistic 2</translation>
    </message>
    <message>
        <source>Statistic 3</source>
        <translation>Statistic 3</translation>
    </message>
    <message>
        <source>At once:</source>
        <translation>At once:</translation>
    </message>
    <message>
        <source>After 1:</source>
        <translation>After 1:</translation>
    </message>
    <message>
        <source>After 2:</source>
        <translation>After 2:</translation>
    </message>
    <message>
        <source>Delay 1:</source>
        <translation>Delay 1:</translation>
    </message>
    <message>
        <source>Delay 2:</source>
        <translation>Delay 2:</translation>
    </message>
    <message>
        <source>Onset:</source>
        <translation>Onset:</translation>
    </message>
    <message>
        <source>Addiction (%):</source>
        <translation>Addiction (%):</translation>
    </message>
    <message>
        <source>Withdrawal perk:</source>
        <translation>Withdrawal perk:</translation>
    </message>
    <message>
        <source>Animation:</source>
        <translation>Animation:</translation>
    </message>
    <message>
        <source>Damage type:</source>
        <translation>Damage type:</translation>
    </message>
    <message>
        <source>Min damage:</source>
        <translation>Min damage:</translation>
    </message>
    <message>
        <source>Max damage:</source>
        <translation>Max damage:</translation>
    </message>
    <message>
        <source>Range 1:</source>
        <translation>Range 1:</translation>
    </message>
    <message>
        <source>Range 2:</source>
        <translation>Range 2:</translation>
    </message>
    <message>
        <source>AP cost 1:</source>
        <translation>AP cost 1:</translation>
    </message>
    <message>
        <source>AP cost 2:</source>
        <translation>AP cost 2:</translation>
    </message>
    <message>
        <source>Min strength:</source>
        <translation>Min strength:</translation>
    </message>
    <message>
        <source>Burst rounds:</source>
        <translation>Burst rounds:</translation>
    </message>
    <message>
        <source>Magazine:</source>
        <translation>Magazine:</translation>
    </message>
    <message>
        <source>Crit. failure:</source>
        <translation>Crit. failure:</translation>
    </message>
    <message>
        <source>Caliber:</source>
        <translation>Caliber:</translation>
    </message>
    <message>
        <source>Sound id:</source>
        <translation>Sound id:</translation>
    </message>
    <message>
        <source>Ammo:</source>
        <translation>Ammo:</translation>
    </message>
    <message>
        <source>Projectile:</source>
        <translation>Projectile:</translation>
    </message>
    <message>
        <source>Capacity:</source>
        <translation>Capacity:</translation>
    </message>
    <message>
        <source>Flags:</source>
        <translation>Flags:</translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>AC modifier:</source>
        <translation>AC modifier:</translation>
    </message>
    <message>
        <source>DR modifier:</source>
        <translation>DR modifier:</translation>
    </message>
    <message>
        <source>Multiplier:</source>
        <translation>Multiplier:</translation>
    </message>
    <message>
        <source>Divisor:</source>
        <translation>Divisor:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Power:</translation>
    </message>
    <message>
        <source>Charges:</source>
        <translation>Charges:</translation>
    </message>
    <message>
        <source>Key code:</source>
        <translation>Key code:</translation>
    </message>
    <message>
        <source>Big gun</source>
        <translation>Big gun</translation>
    </message>
    <message>
        <source>Two-handed</source>
        <translation>Two-handed</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Use on</source>
        <translation>Use on</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Look</translation>
    </message>
    <message>
        <source>Talk</source>
        <translation>Talk</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Pick up</translation>
    </message>
    <message>
        <source>Light radius:</source>
        <translation>Light radius:</translation>
    </message>
    <message>
        <source>Intensity (%):</source>
        <translation>Intensity (%):</translation>
    </message>
    <message>
        <source>Attacks:</source>
        <translation>Attacks:</translation>
    </message>
    <message>
        <source>Actions:</source>
        <translation>Actions:</translation>
    </message>
    <message>
        <source>Other bits:</source>
        <translation>Other bits:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Flags for use:</source>
        <translation>Flags for use:</translation>
    </message>
    <message>
        <source>Door flags:</source>
        <translation>Door flags:</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Destination:</translation>
    </message>
    <message>
        <source>Map:</source>
        <translation>Map:</translation>
    </message>
    <message>
        <source>Elevator type:</source>
        <translation>Elevator type:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Level:</translation>
    </message>
    <message>
        <source>Unused word:</source>
        <translation>Unused word:</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Secondary</source>
        <translation>Secondary</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>%1 attack mode</source>
        <translation>%1 attack mode</translation>
    </message>
</context>
<context>
    <name>zantrel::SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Other </source>
        <translation>Other </translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Settings pages</source>
        <translation>Settings pages</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Fallout Folder:</source>
        <translation>Fallout Folder:</translation>
    </message>
    <message>
        <source>Fallout folder</source>
        <translation>Fallout folder</translation>
    </message>
    <message>
        <source>Browse for the Fallout folder</source>
        <translation>Browse for the Fallout folder</translation>
    </message>
    <message>
        <source>Sources Folder:</source>
        <translation>Sources Folder:</translation>
    </message>
    <message>
        <source>Sources folder</source>
        <translation>Sources folder</translation>
    </message>
    <message>
        <source>Browse for the sources folder</source>
        <translation>Browse for the sources folder</translation>
    </message>
    <message>
        <source>Specify another folder for sources</source>
        <translation>Specify another folder for sources</translation>
    </message>
    <message>
        <source>Image size:</source>
        <translation>Image size:</translation>
    </message>
    <message>
        <source>x1/2 (faster)</source>
        <translation>x1/2 (faster)</translation>
    </message>
    <message>
        <source>Image size x1/2 (faster)</source>
        <translation>Image size x1/2 (faster)</translation>
    </message>
    <message>
        <source>x1  (slower)</source>
        <translation>x1  (slower)</translation>
    </message>
    <message>
        <source>Image size x1 (slower)</source>
        <translation>Image size x1 (slower)</translation>
    </message>
    <message>
        <source>Files:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <source>Path To Source File:</source>
        <translation>Path To Source File:</translation>
    </message>
    <message>
        <source>Files, path to source file</source>
        <translation>Files, path to source file</translation>
    </message>
    <message>
        <source>File to add</source>
        <translation>File to add</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Add File...</translation>
    </message>
    <message>
        <source>Add file</source>
        <translation>Add file</translation>
    </message>
    <message>
        <source>Remove File...</source>
        <translation>Remove File...</translation>
    </message>
    <message>
        <source>Remove file</source>
        <translation>Remove file</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Original (English and Russian)</source>
        <translation>Original (English and Russian)</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Takes effect at the next start.</source>
        <translation>Takes effect at the next start.</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Close settings</source>
        <translation>Close settings</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Restore defaults</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>File field is empty. Unable to add.</source>
        <translation>File field is empty. Unable to add.</translation>
    </message>
    <message>
        <source>No file selected. Unable to remove.</source>
        <translation>No file selected. Unable to remove.</translation>
    </message>
    <message>
        <source>Code page of the game&apos;s texts:</source>
        <translation>Code page of the game&apos;s texts:</translation>
    </message>
    <message>
        <source>From the game&apos;s language</source>
        <translation>From the game&apos;s language</translation>
    </message>
    <message>
        <source>Code page of the game&apos;s texts</source>
        <translation>Code page of the game&apos;s texts</translation>
    </message>
</context>
<context>
    <name>zantrel::SimplePages</name>
    <message>
        <source>Individual Part - Scenery</source>
        <translation>Individual Part - Scenery</translation>
    </message>
    <message>
        <source>Refresh Scenery Description</source>
        <translation>Refresh Scenery Description</translation>
    </message>
    <message>
        <source>Scenery</source>
        <translation>Scenery</translation>
    </message>
    <message>
        <source>Individual Part - Walls</source>
        <translation>Individual Part - Walls</translation>
    </message>
    <message>
        <source>Refresh Wall Description</source>
        <translation>Refresh Wall Description</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wall</translation>
    </message>
    <message>
        <source>Individual Part - Tiles</source>
        <translation>Individual Part - Tiles</translation>
    </message>
    <message>
        <source>Refresh Tile Description</source>
        <translation>Refresh Tile Description</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Individual Part - Misc</source>
        <translation>Individual Part - Misc</translation>
    </message>
    <message>
        <source>Refresh Misc Description</source>
        <translation>Refresh Misc Description</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>%1 description</source>
        <translation>%1 description</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>%1 file size</source>
        <translation>%1 file size</translation>
    </message>
</context>
<context>
    <name>zantrel::TypePage</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Item file size</source>
        <translation>Item file size</translation>
    </message>
    <message>
        <source>Individual Part - Items</source>
        <translation>Individual Part - Items</translation>
    </message>
    <message>
        <source>Item pages</source>
        <translation>Item pages</translation>
    </message>
    <message>
        <source>Common Stats</source>
        <translation>Common Stats</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Pic on Ground:</source>
        <translation>Pic on Ground:</translation>
    </message>
    <message>
        <source>Pic on Ground</source>
        <translation>Pic on Ground</translation>
    </message>
    <message>
        <source>&lt;---- Use Frame ID</source>
        <translation>&lt;---- Use Frame ID</translation>
    </message>
    <message>
        <source>Item Type</source>
        <translation>Item Type</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Properties</translation>
    </message>
</context>
</TS>
